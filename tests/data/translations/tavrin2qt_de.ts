<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Source of tavrin2qt_de.qm, which tst_translations loads: lrelease tavrin2qt_de.ts -->
<TS version="2.1" language="de_DE">
<context>
    <name>TestTranslations</name>
    <message>
        <source>Read Tavrin</source>
        <translation>Tavrin lesen</translation>
    </message>
</context>
</TS>
