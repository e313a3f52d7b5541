<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Source of tavrin2qt_de.qm, which tst_translations and tst_untranslatedoutputs load: lrelease tavrin2qt_de.ts -->
<TS version="2.1" language="de_DE">
<context>
    <name>TestTranslations</name>
    <message>
        <source>Read Tavrin</source>
        <translation>Tavrin lesen</translation>
    </message>
</context>
<context>
    <name>Tavrin2QtComm</name>
    <message>
        <source>Tavrin II</source>
        <translation>Tavrin Zwei</translation>
    </message>
    <message>
        <source>Dalen Tavrin</source>
        <translation>Dalen-Tavrin</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
</context>
<context>
    <name>CfgFieldList</name>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Taste %1</translation>
    </message>
</context>
<context>
    <name>UnitWorker</name>
    <message>
        <source>This unit is a %1 and the profile is for a %2; nothing was sent.</source>
        <translation>Dieses Gerät ist ein %1, das Profil gilt für ein %2; nichts wurde gesendet.</translation>
    </message>
</context>
</TS>
