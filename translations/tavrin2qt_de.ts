<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CfgFieldList</name>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>External input</source>
        <translation>Externer Eingang</translation>
    </message>
    <message>
        <source>Auto on/off %1 enabled</source>
        <translation>Auto-Ein/Aus %1 aktiviert</translation>
    </message>
    <message>
        <source>Auto on/off %1 on time</source>
        <translation>Einschaltzeit (Auto-Ein/Aus %1)</translation>
    </message>
    <message>
        <source>Auto on/off %1 off time</source>
        <translation>Ausschaltzeit (Auto-Ein/Aus %1)</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Lockout time (seconds)</source>
        <translation>Sperrdauer (Sekunden)</translation>
    </message>
    <message>
        <source>Lockout sequence 1</source>
        <translation>Sperrsequenz 1</translation>
    </message>
    <message>
        <source>Lockout sequence 2</source>
        <translation>Sperrsequenz 2</translation>
    </message>
    <message>
        <source>Lockout sequence 3</source>
        <translation>Sperrsequenz 3</translation>
    </message>
    <message>
        <source>System ID</source>
        <translation>System-ID</translation>
    </message>
    <message>
        <source>Group paging enabled</source>
        <translation>Gruppenruf aktiviert</translation>
    </message>
    <message>
        <source>Repage enabled</source>
        <translation>Wiederholungsruf aktiviert</translation>
    </message>
    <message>
        <source>Repage interval (seconds)</source>
        <translation>Wiederholungsintervall (Sekunden)</translation>
    </message>
    <message>
        <source>Low battery page enabled</source>
        <translation>Batteriewarnruf aktiviert</translation>
    </message>
    <message>
        <source>Low battery page pager</source>
        <translation>Pager (Batteriewarnruf)</translation>
    </message>
    <message>
        <source>Low battery page message</source>
        <translation>Nachricht (Batteriewarnruf)</translation>
    </message>
    <message>
        <source>Acknowledge page enabled</source>
        <translation>Quittierungsruf aktiviert</translation>
    </message>
    <message>
        <source>Acknowledge page pager</source>
        <translation>Pager (Quittierungsruf)</translation>
    </message>
    <message>
        <source>Acknowledge page message</source>
        <translation>Nachricht (Quittierungsruf)</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1 aktiviert</translation>
    </message>
    <message>
        <source>%1 setting</source>
        <translation>Einstellung (%1)</translation>
    </message>
    <message>
        <source>%1 pager</source>
        <translation>Pager (%1)</translation>
    </message>
    <message>
        <source>%1 type</source>
        <translation>Typ (%1)</translation>
    </message>
    <message>
        <source>%1 mode</source>
        <translation>Modus (%1)</translation>
    </message>
    <message>
        <source>%1 message</source>
        <translation>Nachricht (%1)</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Taste 2</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Taste 1</translation>
    </message>
    <message>
        <source>Dalen Tavrin ID</source>
        <translation>Dalen Tavrin ID</translation>
    </message>
    <message>
        <source>Beep enabled</source>
        <translation>Signalton aktiviert</translation>
    </message>
    <message>
        <source>Secondary page enabled</source>
        <translation>Zweitruf aktiviert</translation>
    </message>
    <message>
        <source>Secondary page pager</source>
        <translation>Pager (Zweitruf)</translation>
    </message>
    <message>
        <source>Cancel message enabled</source>
        <translation>Abbruchnachricht aktiviert</translation>
    </message>
    <message>
        <source>Cancel message</source>
        <translation>Abbruchnachricht</translation>
    </message>
    <message>
        <source>1, 2 or 10</source>
        <translation>1, 2 oder 10</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Zell</source>
        <translation>Zell</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>VIBE 1</source>
        <comment>zell pgr vibration mode 1</comment>
        <translation>VIBRATION 1</translation>
    </message>
    <message>
        <source>VIBE 2</source>
        <comment>zell pgr vibration mode 2</comment>
        <translation>VIBRATION 2</translation>
    </message>
    <message>
        <source>VIBE 3</source>
        <comment>zell pgr vibration mode 3</comment>
        <translation>VIBRATION 3</translation>
    </message>
    <message>
        <source>1 Sec</source>
        <comment>guest pgr flash mode 1</comment>
        <translation>1 Sek.</translation>
    </message>
    <message>
        <source>30 Sec</source>
        <comment>guest pgr flash mode 2</comment>
        <translation>30 Sek.</translation>
    </message>
    <message>
        <source>5 Min</source>
        <comment>guest pgr flash mode 3</comment>
        <translation>5 Min.</translation>
    </message>
    <message>
        <source>Normally Open</source>
        <translation>Schließer (NO)</translation>
    </message>
    <message>
        <source>Normally Closed</source>
        <translation>Öffner (NC)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Vibe 1</source>
        <translation>Vibration 1</translation>
    </message>
    <message>
        <source>Vibe 2</source>
        <translation>Vibration 2</translation>
    </message>
    <message>
        <source>Vibe 3</source>
        <translation>Vibration 3</translation>
    </message>
    <message>
        <source>Beep 1</source>
        <translation>Ton 1</translation>
    </message>
    <message>
        <source>Beep 2</source>
        <translation>Ton 2</translation>
    </message>
    <message>
        <source>Beep 3</source>
        <translation>Ton 3</translation>
    </message>
    <message>
        <source>Vibe-Beep 1</source>
        <translation>Vibration+Ton 1</translation>
    </message>
    <message>
        <source>Vibe-Beep 2</source>
        <translation>Vibration+Ton 2</translation>
    </message>
    <message>
        <source>Vibe-Beep 3</source>
        <translation>Vibration+Ton 3</translation>
    </message>
    <message>
        <source>Look Down</source>
        <translation>Look Down</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Indefinite</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
</context>
<context>
    <name>CfgFile</name>
    <message>
        <source>Could not read from %1</source>
        <translation>%1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, far larger than any configuration file.</source>
        <translation>Die Datei ist größer als %1 MB, weit größer als jede Konfigurationsdatei.</translation>
    </message>
    <message>
        <source>Could not write to %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The %1 holds the character %2, which Tavrin cannot take.
Please replace it; the file was not loaded.</source>
        <translation>Das Feld „%1“ enthält das Zeichen %2, das Tavrin nicht verarbeiten kann.
Bitte ersetzen Sie es; die Datei wurde nicht geladen.</translation>
    </message>
    <message>
        <source>The %1 holds the character &quot;%2&quot;, which Tavrin cannot take.
Please replace it; the file was not saved.</source>
        <translation>Das Feld „%1“ enthält das Zeichen „%2“, das Tavrin nicht verarbeiten kann.
Bitte ersetzen Sie es; die Datei wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Unable to load config file</source>
        <translation>Konfigurationsdatei kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Unable to save config file</source>
        <translation>Konfigurationsdatei kann nicht gespeichert werden</translation>
    </message>
    <message numerus="yes">
        <source>The %1 is %n characters long; its field takes at most %2.
Please shorten it; the file was not loaded.</source>
        <translation>
            <numerusform>Der Text im Feld „%1“ ist %n Zeichen lang; das Feld fasst höchstens %2.
Bitte kürzen Sie ihn; die Datei wurde nicht geladen.</numerusform>
            <numerusform>Der Text im Feld „%1“ ist %n Zeichen lang; das Feld fasst höchstens %2.
Bitte kürzen Sie ihn; die Datei wurde nicht geladen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Tavrin configuration file (it could not be read as one: %2)</source>
        <translation>%1 ist keine Tavrin-Konfigurationsdatei (sie konnte nicht als solche gelesen werden: %2)</translation>
    </message>
</context>
<context>
    <name>CliAllUnits</name>
    <message>
        <source> (port %1)</source>
        <translation> (Port %1)</translation>
    </message>
    <message>
        <source>No Tavrin device found</source>
        <translation>Kein Tavrin-Gerät gefunden</translation>
    </message>
    <message>
        <source>%1 holds {n} in a message text, but the units are not numbered; nothing was sent. Number them with --number-from N or --numbers LIST.</source>
        <translation>%1 enthält {n} in einem Nachrichtentext, aber die Geräte sind nicht nummeriert; es wurde nichts gesendet. Nummerieren Sie sie mit --number-from N oder --numbers LIST.</translation>
    </message>
    <message>
        <source>left out (--exclude-serial)</source>
        <translation>ausgelassen (--exclude-serial)</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>übersprungen: %1</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>FEHLGESCHLAGEN: %1</translation>
    </message>
    <message>
        <source>written and verified (%1 s)</source>
        <translation>geschrieben und verifiziert (%1 s)</translation>
    </message>
    <message>
        <source>written (not verified) (%1 s)</source>
        <translation>geschrieben (nicht verifiziert) (%1 s)</translation>
    </message>
    <message>
        <source>%1 written and verified, %2 failed</source>
        <translation>%1 geschrieben und verifiziert, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 written (not verified), %2 failed</source>
        <translation>%1 geschrieben (nicht verifiziert), %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 übersprungen</translation>
    </message>
    <message>
        <source>writing...</source>
        <translation>wird geschrieben...</translation>
    </message>
    <message>
        <source>Waiting for units; Ctrl+C to stop.</source>
        <translation>Warte auf Geräte; Beenden mit Strg+C.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>its serial number &quot;%1&quot; cannot name a file; nothing was saved.</source>
        <translation>die Seriennummer „%1“ taugt nicht als Dateiname; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>another unit has the same serial number; nothing was saved.</source>
        <translation>ein anderes Gerät hat dieselbe Seriennummer; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>saved as %1</source>
        <translation>gespeichert als %1</translation>
    </message>
    <message>
        <source>%1 saved, %2 failed</source>
        <translation>%1 gespeichert, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>cannot be compared: </source>
        <translation>nicht vergleichbar: </translation>
    </message>
    <message>
        <source>matches</source>
        <translation>stimmt überein</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>weicht ab: %1</translation>
    </message>
    <message>
        <source>%1 match, %2 differ, %3 failed</source>
        <translation>%1 stimmen überein, %2 weichen ab, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Waiting for units (%1 to do); Ctrl+C to stop.</source>
        <translation>Warte auf Geräte (%1 ausstehend); Beenden mit Strg+C.</translation>
    </message>
    <message>
        <source>, %1 to do</source>
        <translation>, %1 ausstehend</translation>
    </message>
    <message>
        <source>Nothing was saved; --allow-incomplete saves them with their defaults.</source>
        <translation>Es wurde nichts gespeichert; --allow-incomplete speichert sie mit ihren Standardwerten.</translation>
    </message>
    <message>
        <source>%1: file holds %2, Tavrin holds %3</source>
        <translation>%1: Datei enthält %2, Tavrin enthält %3</translation>
    </message>
</context>
<context>
    <name>CliApp</name>
    <message>
        <source>Several Tavrin units are attached; choose one with --device PATH or --serial SERIAL. Nothing was sent.</source>
        <translation>Mehrere Tavrin-Geräte sind angeschlossen; wählen Sie eines mit --device PATH oder --serial SERIAL. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>No Tavrin unit is attached at %1.</source>
        <translation>An %1 ist kein Tavrin-Gerät angeschlossen.</translation>
    </message>
    <message>
        <source>No attached Tavrin unit has the serial number %1.</source>
        <translation>Kein angeschlossenes Tavrin-Gerät hat die Seriennummer %1.</translation>
    </message>
    <message>
        <source>Several attached Tavrin units have the serial number %1; choose one with --device PATH.</source>
        <translation>Mehrere angeschlossene Tavrin-Geräte haben die Seriennummer %1; wählen Sie eines mit --device PATH.</translation>
    </message>
    <message>
        <source>No Tavrin unit is attached.</source>
        <translation>Es ist kein Tavrin-Gerät angeschlossen.</translation>
    </message>
    <message>
        <source>No Tavrin device found</source>
        <translation>Kein Tavrin-Gerät gefunden</translation>
    </message>
    <message>
        <source>Not every attached unit answered.</source>
        <translation>Nicht jedes angeschlossene Gerät hat geantwortet.</translation>
    </message>
    <message>
        <source>Nothing was written; --allow-incomplete writes them with their defaults.</source>
        <translation>Es wurde nichts geschrieben; mit --allow-incomplete werden fehlende Einstellungen mit ihren Standardwerten geschrieben.</translation>
    </message>
    <message>
        <source>The unit cannot be compared with %1:</source>
        <translation>Das Gerät kann nicht mit %1 verglichen werden:</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>stimmt überein</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>station needs --log LOG: the log of the units provisioned.</source>
        <translation>station benötigt --log LOG: das Protokoll der eingerichteten Geräte.</translation>
    </message>
    <message>
        <source>--%1 needs a whole number of at least %2.</source>
        <translation>--%1 benötigt eine ganze Zahl von mindestens %2.</translation>
    </message>
    <message>
        <source>Cannot compare: %1 cannot be read.</source>
        <translation>Vergleich nicht möglich: %1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>CliCommandLine</name>
    <message>
        <source>Show the attached unit&apos;s model, firmware and serial number.</source>
        <translation>Modell, Firmware und Seriennummer des angeschlossenen Geräts anzeigen.</translation>
    </message>
    <message>
        <source>Read the unit&apos;s settings as a configuration file (standard output, or -o FILE).</source>
        <translation>Die Einstellungen des Geräts als Konfigurationsdatei auslesen (Standardausgabe oder -o FILE).</translation>
    </message>
    <message>
        <source>Write a configuration file into the unit, as Update does.</source>
        <translation>Eine Konfigurationsdatei in das Gerät schreiben, wie „Übertragen“ im Fenster.</translation>
    </message>
    <message>
        <source>List the settings of a configuration file.</source>
        <translation>Die Einstellungen einer Konfigurationsdatei auflisten.</translation>
    </message>
    <message>
        <source>Program an Alpha pager through the unit.</source>
        <translation>Einen Alpha-Pager über das Gerät programmieren.</translation>
    </message>
    <message>
        <source>Program a Zell pager or a coaster through the unit.</source>
        <translation>Einen Zell-Pager oder einen Coaster über das Gerät programmieren.</translation>
    </message>
    <message>
        <source>List the settings in which two configuration files differ (exit status 1 when they do).</source>
        <translation>Die Einstellungen auflisten, in denen sich zwei Konfigurationsdateien unterscheiden (Exit-Status 1, wenn sie sich unterscheiden).</translation>
    </message>
    <message>
        <source>List the attached units: device path, model, firmware and serial number; fails without any.</source>
        <translation>Die angeschlossenen Geräte auflisten: Gerätepfad, Modell, Firmware und Seriennummer; schlägt fehl, wenn keines angeschlossen ist.</translation>
    </message>
    <message>
        <source>Read the unit and compare it with a configuration file, writing nothing (exit status 1 when it differs).</source>
        <translation>Das Gerät auslesen und mit einer Konfigurationsdatei vergleichen, ohne etwas zu schreiben (Exit-Status 1, wenn es abweicht).</translation>
    </message>
    <message>
        <source>Write and verify FILE into every unit attached and every unit plugged in until stopped, several at once, each once per plug-in; needs --log.</source>
        <translation>FILE in jedes angeschlossene und jedes bis zum Anhalten eingesteckte Gerät schreiben und verifizieren, mehrere gleichzeitig, jedes einmal pro Einstecken; benötigt --log.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>%1 is given more than once.</source>
        <translation>%1 ist mehrfach angegeben.</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 gilt nicht für %2.</translation>
    </message>
    <message>
        <source>--transcript needs --simulate or --simulate-from.</source>
        <translation>--transcript benötigt --simulate oder --simulate-from.</translation>
    </message>
    <message>
        <source>--device and --serial both choose the unit: give one of them.</source>
        <translation>--device und --serial wählen beide das Gerät: Geben Sie nur eine der beiden Optionen an.</translation>
    </message>
    <message>
        <source>--all takes every attached unit: --device and --serial do not go with it.</source>
        <translation>--all nimmt jedes angeschlossene Gerät: --device und --serial passen nicht dazu.</translation>
    </message>
    <message>
        <source>--exclude-serial goes with --all.</source>
        <translation>--exclude-serial gilt nur zusammen mit --all.</translation>
    </message>
    <message>
        <source>read --all needs -o FOLDER: a file per unit goes there.</source>
        <translation>read --all benötigt -o FOLDER: Dort wird je Gerät eine Datei abgelegt.</translation>
    </message>
    <message>
        <source>--number-from and --numbers both number the units: give one of them.</source>
        <translation>--number-from und --numbers nummerieren beide die Geräte: Geben Sie nur eine der beiden Optionen an.</translation>
    </message>
    <message>
        <source>--exclude-serial is empty: give the unit&apos;s serial number (see list).</source>
        <translation>--exclude-serial ist leer: Geben Sie die Seriennummer des Geräts an (siehe list).</translation>
    </message>
    <message>
        <source>--%1 is empty: give the unit&apos;s %2 (see list).</source>
        <translation>--%1 ist leer: Geben Sie %2 des Geräts an (siehe list).</translation>
    </message>
    <message>
        <source>device path</source>
        <translation>den Gerätepfad</translation>
    </message>
    <message>
        <source>serial number</source>
        <translation>die Seriennummer</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Weitere Informationen mit „%1 --help“.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Options of every command:</source>
        <translation>Optionen aller Befehle:</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>Also print the traces of the device talk on standard error.</source>
        <translation>Zusätzlich den Mitschnitt der Gerätekommunikation auf der Standardfehlerausgabe ausgeben.</translation>
    </message>
    <message>
        <source>Talk to a virtual unit instead of USB: tavrin2, dalen or dalen2. It answers at once. Several models separated by commas (tavrin2,dalen) attach several units, with serial numbers 00012345, 00012346 and so on.</source>
        <translation>Statt über USB mit einem virtuellen Gerät sprechen: tavrin2, dalen oder dalen2. Es antwortet sofort. Mehrere durch Kommas getrennte Modelle (tavrin2,dalen) schließen mehrere Geräte an, mit den Seriennummern 00012345, 00012346 usw.</translation>
    </message>
    <message>
        <source>The virtual unit (the first of several) starts with FILE&apos;s settings (and its model, unless --simulate is given).</source>
        <translation>Das virtuelle Gerät (bei mehreren das erste) startet mit den Einstellungen aus FILE (und mit deren Modell, sofern --simulate nicht angegeben ist).</translation>
    </message>
    <message>
        <source>Options of detect, read, write, check, program-alpha and program-zell:</source>
        <translation>Optionen von detect, read, write, check, program-alpha und program-zell:</translation>
    </message>
    <message>
        <source>Write the file also when the unit did not report some settings (they keep their defaults); without it such a read fails and writes nothing.</source>
        <translation>Die Datei auch schreiben, wenn das Gerät einige Einstellungen nicht gemeldet hat (sie behalten ihre Standardwerte); ohne diese Option schlägt ein solches Auslesen fehl und schreibt nichts.</translation>
    </message>
    <message>
        <source>Options of write:</source>
        <translation>Optionen von write:</translation>
    </message>
    <message>
        <source>Do not read the unit back to check that it holds what was written.</source>
        <translation>Das Gerät nicht zurücklesen, um zu prüfen, ob es das Geschriebene enthält.</translation>
    </message>
    <message>
        <source>Append a row for each unit tried to the provisioning log FILE (CSV; created with a header row), on disk before the unit&apos;s result is printed.</source>
        <translation>Für jedes versuchte Gerät eine Zeile an das Einrichtungsprotokoll FILE anhängen (CSV; wird mit einer Kopfzeile angelegt); die Zeile steht auf dem Datenträger, bevor das Ergebnis des Geräts ausgegeben wird.</translation>
    </message>
    <message>
        <source>Number the units from N (1-9999): a Dalen unit&apos;s ID becomes its number, and {n} in a message text stands for it ({{ for a literal {).</source>
        <translation>Die Geräte ab N nummerieren (1-9999): Die ID eines Dalen-Geräts wird seine Nummer, und {n} in einem Nachrichtentext steht für sie ({{ für ein wörtliches {).</translation>
    </message>
    <message>
        <source>Options of read, write and check:</source>
        <translation>Optionen von read, write und check:</translation>
    </message>
    <message>
        <source>Every attached unit at once, one line each as it finishes, then a summary (read: -o names a folder, one file per unit named by serial number).</source>
        <translation>Alle angeschlossenen Geräte gleichzeitig, je eine Zeile, sobald ein Gerät fertig ist, dann eine Zusammenfassung (read: -o nennt einen Ordner, eine Datei pro Gerät, benannt nach der Seriennummer).</translation>
    </message>
    <message>
        <source>With --all: leave the unit with this serial number alone (may be given more than once).</source>
        <translation>Mit --all: das Gerät mit dieser Seriennummer auslassen (mehrfach angebbar).</translation>
    </message>
    <message>
        <source>Options of detect, show, diff, list and check, and of read and write with --all:</source>
        <translation>Optionen von detect, show, diff, list und check sowie von read und write mit --all:</translation>
    </message>
    <message>
        <source>Options of station:</source>
        <translation>Optionen von station:</translation>
    </message>
    <message>
        <source>Required: the provisioning log, as with write. Units it shows verified with the same profile are left alone; one station per log.</source>
        <translation>Erforderlich: das Einrichtungsprotokoll, wie bei write. Geräte, die laut Protokoll mit demselben Profil verifiziert sind, werden ausgelassen; eine Station pro Protokoll.</translation>
    </message>
    <message>
        <source>Write units the log shows verified with this profile again.</source>
        <translation>Geräte, die laut Protokoll mit diesem Profil verifiziert sind, erneut schreiben.</translation>
    </message>
    <message>
        <source>Leave the unit with this serial number alone (may be given more than once).</source>
        <translation>Das Gerät mit dieser Seriennummer auslassen (mehrfach angebbar).</translation>
    </message>
    <message>
        <source>Stop after SECONDS in which no unit was in flight and none was plugged in.</source>
        <translation>Nach SECONDS Sekunden anhalten, in denen kein Gerät in Arbeit war und keines eingesteckt wurde.</translation>
    </message>
    <message>
        <source>As with write; a number is used up only by a verified unit.</source>
        <translation>Wie bei write; eine Nummer wird nur von einem verifizierten Gerät verbraucht.</translation>
    </message>
    <message>
        <source>One object per unit, then a summary object.</source>
        <translation>Ein Objekt pro Gerät, dann ein Zusammenfassungsobjekt.</translation>
    </message>
    <message>
        <source>Without --number-from or --numbers, numbering continues after the highest number of the log, if it holds any. Stops on SIGINT or SIGTERM after the units in flight; a second signal stops at once. Exit status 0 when no unit failed.</source>
        <translation>Ohne --number-from oder --numbers wird nach der höchsten Nummer im Protokoll weiternummeriert, falls es Nummern enthält. Hält bei SIGINT oder SIGTERM nach den Geräten in Arbeit an; ein zweites Signal hält sofort an. Exit-Status 0, wenn kein Gerät fehlgeschlagen ist.</translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 1 when the unit or a file failed, 2 for a wrong command line or when several units are attached and none was chosen. diff: 0 when the files hold the same settings, 1 when they differ, 2 when a file cannot be read. check: 1 also when a unit differs. With --all: 1 when any unit failed or none is attached.</source>
        <translation>Exit-Status: 0 bei Erfolg, 1, wenn das Gerät oder eine Datei fehlgeschlagen ist, 2 bei fehlerhafter Befehlszeile oder wenn mehrere Geräte angeschlossen sind und keines gewählt wurde. diff: 0, wenn die Dateien dieselben Einstellungen enthalten, 1, wenn sie sich unterscheiden, 2, wenn eine Datei nicht gelesen werden kann. check: 1 auch, wenn ein Gerät abweicht. Mit --all: 1, wenn ein Gerät fehlgeschlagen ist oder keines angeschlossen ist.</translation>
    </message>
    <message>
        <source>Write every line the virtual unit received to FILE, one per line (a line break in a line as \n), also on failure.</source>
        <translation>Jede Zeile, die das virtuelle Gerät empfangen hat, nach FILE schreiben, eine pro Zeile (ein Zeilenumbruch innerhalb einer Zeile als \n), auch bei Fehlern.</translation>
    </message>
    <message>
        <source>Use the unit at this device path (see list).</source>
        <translation>Das Gerät unter diesem Gerätepfad verwenden (siehe list).</translation>
    </message>
    <message>
        <source>Use the unit with this serial number (see list).</source>
        <translation>Das Gerät mit dieser Seriennummer verwenden (siehe list).</translation>
    </message>
    <message>
        <source>With several units attached one of these is required: the command refuses and lists them.</source>
        <translation>Bei mehreren angeschlossenen Geräten ist eine dieser Optionen erforderlich: Ohne sie lehnt der Befehl ab und listet die Geräte auf.</translation>
    </message>
    <message>
        <source>Options of read:</source>
        <translation>Optionen von read:</translation>
    </message>
    <message>
        <source>Write the configuration file to FILE (replaced only when complete).</source>
        <translation>Die Konfigurationsdatei nach FILE schreiben (wird erst ersetzt, wenn sie vollständig ist).</translation>
    </message>
    <message>
        <source>Print JSON for scripts (with --all: one object per unit, then a summary object; check of one unit: that unit&apos;s object, as with --all).</source>
        <translation>JSON für Skripte ausgeben (mit --all: ein Objekt pro Gerät, dann ein Zusammenfassungsobjekt; check eines Geräts: das Objekt dieses Geräts, wie mit --all).</translation>
    </message>
    <message>
        <source>Print only each unit&apos;s end and the summary: no line when the station starts waiting or a unit&apos;s write begins.</source>
        <translation>Nur das Ergebnis jedes Geräts und die Zusammenfassung ausgeben: keine Zeile, wenn die Station zu warten beginnt oder das Schreiben eines Geräts beginnt.</translation>
    </message>
    <message>
        <source>Options of program-alpha:</source>
        <translation>Optionen von program-alpha:</translation>
    </message>
    <message>
        <source>Pager number, 1-9999 (100-9999 with group paging on). Required.</source>
        <translation>Pagernummer, 1-9999 (100-9999 bei eingeschaltetem Gruppenruf). Erforderlich.</translation>
    </message>
    <message>
        <source>All page ID, 1-9999 (default 911).</source>
        <translation>Sammelruf-ID, 1-9999 (Standard: 911).</translation>
    </message>
    <message>
        <source>System ID, 0-13 (default 0).</source>
        <translation>System-ID, 0-13 (Standard: 0).</translation>
    </message>
    <message>
        <source>Welcome message: at most 3 lines and 48 characters, no comma; \n starts a new line, \\ is a backslash.</source>
        <translation>Begrüßungsnachricht: höchstens 3 Zeilen und 48 Zeichen, kein Komma; \n beginnt eine neue Zeile, \\ ist ein Backslash.</translation>
    </message>
    <message>
        <source>Group paging (default off).</source>
        <translation>Gruppenruf (Standard: off).</translation>
    </message>
    <message>
        <source>Group %1: pager 0-98 (0 = not used), name of at most %2 characters without comma. Needs group paging on.</source>
        <translation>Gruppe %1: Pager 0-98 (0 = nicht verwendet), Name mit höchstens %2 Zeichen ohne Komma. Erfordert eingeschalteten Gruppenruf.</translation>
    </message>
    <message>
        <source>Options of program-zell:</source>
        <translation>Optionen von program-zell:</translation>
    </message>
    <message>
        <source>Pager or coaster number, 1-9999. Required.</source>
        <translation>Pager- oder Coaster-Nummer, 1-9999. Erforderlich.</translation>
    </message>
    <message>
        <source>Program a Zell pager or a coaster (default zell).</source>
        <translation>Einen Zell-Pager oder einen Coaster programmieren (Standard: zell).</translation>
    </message>
    <message>
        <source>A guest or a manager Zell pager (default guest).</source>
        <translation>Zell-Pager für Gäste oder für Manager (Standard: guest).</translation>
    </message>
    <message>
        <source>Vibration (default on).</source>
        <translation>Vibration (Standard: on).</translation>
    </message>
    <message>
        <source>Usage: %1 [options] COMMAND [ARGUMENTS]</source>
        <translation>Aufruf: %1 [Optionen] BEFEHL [ARGUMENTE]</translation>
    </message>
    <message>
        <source>Configures the attached Tavrin unit from the command line, for installers who set up many units,
and lists and compares configuration files (.t2c) of the window and of this command.</source>
        <translation>Konfiguriert das angeschlossene Tavrin-Gerät über die Befehlszeile, für Installateure, die viele Geräte einrichten,
und listet und vergleicht Konfigurationsdateien (.t2c) des Fensters und dieses Befehls.</translation>
    </message>
    <message>
        <source>A numbered check takes the numbers from the log: check --all --log LOG with --number-from N or --numbers LIST.</source>
        <translation>Eine nummerierte Prüfung entnimmt die Nummern dem Protokoll: check --all --log LOG mit --number-from N oder --numbers LIST.</translation>
    </message>
    <message>
        <source>check takes --log only for a numbered check, with --number-from N or --numbers LIST.</source>
        <translation>check akzeptiert --log nur für eine nummerierte Prüfung, mit --number-from N oder --numbers LIST.</translation>
    </message>
    <message>
        <source>Options of write, and of check with --all:</source>
        <translation>Optionen von write sowie von check mit --all:</translation>
    </message>
    <message>
        <source>Number the units from a list, such as 12,14,20-35; the summary says how many of them are left.</source>
        <translation>Die Geräte nach einer Liste nummerieren, etwa 12,14,20-35; die Zusammenfassung nennt, wie viele davon noch übrig sind.</translation>
    </message>
    <message>
        <source>check --all with --log and --number-from or --numbers checks a numbered batch: each unit against FILE with the number the log gave it; a unit the log did not number with FILE fails.</source>
        <translation>check --all mit --log und --number-from oder --numbers prüft eine nummerierte Serie: jedes Gerät gegen FILE mit der Nummer, die ihm das Protokoll gegeben hat; ein Gerät, das laut Protokoll nicht mit FILE nummeriert wurde, schlägt fehl.</translation>
    </message>
    <message>
        <source>Stop after N units were verified; the first line and the summary say how many remain.</source>
        <translation>Anhalten, nachdem N Geräte verifiziert wurden; die erste Zeile und die Zusammenfassung nennen, wie viele noch ausstehen.</translation>
    </message>
    <message>
        <source>As with write; when they run out the station takes no more units, finishes those in flight and exits with status 1.</source>
        <translation>Wie bei write; sind sie aufgebraucht, nimmt die Station keine weiteren Geräte an, schließt die Geräte in Arbeit ab und endet mit Exit-Status 1.</translation>
    </message>
</context>
<context>
    <name>CliSimulation</name>
    <message>
        <source>Unknown model &quot;%1&quot; for --simulate: use tavrin2, dalen or dalen2.</source>
        <translation>Unbekanntes Modell „%1“ für --simulate: Verwenden Sie tavrin2, dalen oder dalen2.</translation>
    </message>
    <message>
        <source>%1 holds the settings of no model the virtual unit can be.</source>
        <translation>%1 enthält die Einstellungen keines Modells, das das virtuelle Gerät darstellen kann.</translation>
    </message>
    <message>
        <source>--simulate %1 is another model than the settings of %2.</source>
        <translation>--simulate %1 ist ein anderes Modell als das der Einstellungen in %2.</translation>
    </message>
    <message>
        <source>The virtual unit cannot take the settings of %1:
%2</source>
        <translation>Das virtuelle Gerät kann die Einstellungen aus %1 nicht übernehmen:
%2</translation>
    </message>
</context>
<context>
    <name>CliStationCommand</name>
    <message>
        <source>%1 was already provisioned with this profile on %2</source>
        <translation>%1 wurde bereits am %2 mit diesem Profil eingerichtet</translation>
    </message>
    <message>
        <source>Stopping after the units in flight; a second signal stops at once.</source>
        <translation>Wird nach den Geräten in Arbeit angehalten; ein zweites Signal hält sofort an.</translation>
    </message>
    <message>
        <source>Stopped at once; left unverified: %1</source>
        <translation>Sofort angehalten; nicht verifiziert: %1</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>For DalenTavrin - Please unplug then re-plug USB cable.

For TavrinII - Momentarily press the Acknowledgment button on the side.

NOTE: if &quot;New Hardware Wizard&quot; comes up, do following:
1) Select option &quot;No, not At this time&quot; then Next
2) Select &quot;Install from a list or specific location (Advanced)&quot; then Next
3) request to search in the following directory:
&quot;C:\Program Files\Atmel\Flip 3.3.1\usb&quot; then Next, then Finish
4) Wait until popup says new hardware is ready to use, then press OK below</source>
        <translation>Für DalenTavrin - Bitte das USB-Kabel abziehen und wieder einstecken.

Für TavrinII - Kurz die Quittierungstaste an der Seite drücken.

HINWEIS: Wenn der „Assistent für das Suchen neuer Hardware“ erscheint, gehen Sie so vor:
1) Option „Nein, diesmal nicht“ wählen, dann Weiter
2) „Software von einer Liste oder bestimmten Quelle installieren (für fortgeschrittene Benutzer)“ wählen, dann Weiter
3) Suche in folgendem Verzeichnis anfordern:
&quot;C:\Program Files\Atmel\Flip 3.3.1\usb&quot;, dann Weiter, dann Fertig stellen
4) Warten, bis die Meldung erscheint, dass die neue Hardware verwendet werden kann, dann unten OK drücken</translation>
    </message>
    <message>
        <source>For DalenTavrin - Please unplug then re-plug USB cable.

For TavrinII - Momentarily press the Acknowledgment button on the side.

NOTE: the update is written with dfu-programmer, which must be installed.
Without root, the udev rule 70-tavrin.rules (installed with this utility)
lets your user reach the boot loader (USB device 03eb:2ff9).
Wait a few seconds for the boot loader to attach, then press OK below</source>
        <translation>Für DalenTavrin - Bitte das USB-Kabel abziehen und wieder einstecken.

Für TavrinII - Kurz die Quittierungstaste an der Seite drücken.

HINWEIS: Das Update wird mit dfu-programmer geschrieben, das installiert sein muss.
Ohne Root-Rechte erlaubt die udev-Regel 70-tavrin.rules (mit diesem Programm installiert)
Ihrem Benutzer den Zugriff auf den Bootloader (USB-Gerät 03eb:2ff9).
Warten Sie einige Sekunden, bis sich der Bootloader anmeldet, und drücken Sie dann unten OK</translation>
    </message>
    <message>
        <source>Updating Firmware...</source>
        <translation>Firmware wird aktualisiert...</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Start boot-loader</source>
        <translation>Bootloader starten</translation>
    </message>
    <message>
        <source>Waiting for the boot loader: %1 s (at most %2 s)...</source>
        <translation>Warte auf den Bootloader: %1 s (höchstens %2 s)...</translation>
    </message>
    <message>
        <source>Writing the firmware...</source>
        <translation>Firmware wird geschrieben...</translation>
    </message>
    <message>
        <source>Choose a firmware file to load</source>
        <translation>Firmwaredatei zum Laden auswählen</translation>
    </message>
    <message>
        <source>Firmware files (*.%1)</source>
        <translation>Firmwaredateien (*.%1)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>File: %1, has wrong filename format.
Do you want to load it anyway?</source>
        <translation>Der Dateiname von %1 hat ein falsches Format.
Möchten Sie die Datei trotzdem laden?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>The firmware update is complete.
Please unplug then re-plug USB cable.</source>
        <translation>Das Firmware-Update ist abgeschlossen.
Bitte das USB-Kabel abziehen und wieder einstecken.</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>The flashing tool %1 could not be started:
%2</source>
        <translation>Das Flash-Programm %1 konnte nicht gestartet werden:
%2</translation>
    </message>
</context>
<context>
    <name>FrmProgramPagers</name>
    <message>
        <source>Program Pagers stays open until the pager is programmed.</source>
        <translation>„Pager programmieren“ bleibt geöffnet, bis der Pager programmiert ist.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid Welcome Message text...
up to 3 lines and 48 characters max
- no commas allowed</source>
        <translation>Ungültige Begrüßungsnachricht...
höchstens 3 Zeilen und 48 Zeichen
- keine Kommas erlaubt</translation>
    </message>
    <message>
        <source>Alpha pager %1 programmed</source>
        <translation>Alpha-Pager %1 programmiert</translation>
    </message>
    <message>
        <source>Coaster %1 programmed</source>
        <translation>Coaster %1 programmiert</translation>
    </message>
    <message>
        <source>Zell pager %1 programmed</source>
        <translation>Zell-Pager %1 programmiert</translation>
    </message>
</context>
<context>
    <name>FrmProvisionUnits</name>
    <message>
        <source>Provision Units</source>
        <translation>Geräte einrichten</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>An&amp;halten</translation>
    </message>
    <message>
        <source>Finishes the units being written, then stops</source>
        <translation>Schließt die Geräte ab, die gerade geschrieben werden, und hält dann an</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>The profile&apos;s messages hold {n}, which only numbered units can take: every unit would get it as it stands. Number the units, or take {n} out of the messages.</source>
        <translation>Die Nachrichten des Profils enthalten {n}, was nur nummerierte Geräte übernehmen können: Jedes Gerät würde es unverändert erhalten. Nummerieren Sie die Geräte, oder entfernen Sie {n} aus den Nachrichten.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>The &amp;form&apos;s settings</source>
        <translation>Die Einstellungen im &amp;Formular</translation>
    </message>
    <message>
        <source>A configuration f&amp;ile:</source>
        <translation>Eine &amp;Konfigurationsdatei:</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Konfigurationsdatei</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Choose configuration file</source>
        <translation>Konfigurationsdatei auswählen</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>Ch&amp;oose...</source>
        <translation>D&amp;urchsuchen...</translation>
    </message>
    <message>
        <source>Choose log file</source>
        <translation>Protokolldatei auswählen</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>&amp;Protokolldatei:</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Nummerierung</translation>
    </message>
    <message>
        <source>&amp;Number the units from</source>
        <translation>Geräte &amp;nummerieren ab</translation>
    </message>
    <message>
        <source>First unit number</source>
        <translation>Erste Gerätenummer</translation>
    </message>
    <message>
        <source>Each unit gets the next number: a Dalen unit&apos;s ID, and {n} in the profile&apos;s messages.</source>
        <translation>Jedes Gerät erhält die nächste Nummer: als ID eines Dalen-Geräts und für {n} in den Nachrichten des Profils.</translation>
    </message>
    <message>
        <source>Units left as they are</source>
        <translation>Unverändert gelassene Geräte</translation>
    </message>
    <message>
        <source>serial numbers, such as 00012345 00012346</source>
        <translation>Seriennummern, etwa 00012345 00012346</translation>
    </message>
    <message>
        <source>Serial numbers of units left out</source>
        <translation>Seriennummern ausgelassener Geräte</translation>
    </message>
    <message>
        <source>Le&amp;ave out:</source>
        <translation>Aus&amp;lassen:</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <source>The selected unit, which failed, is written again</source>
        <translation>Das ausgewählte, fehlgeschlagene Gerät wird erneut beschrieben</translation>
    </message>
    <message>
        <source>%1, profile %2</source>
        <translation>%1, Profil %2</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Choose a profile</source>
        <translation>Profil auswählen</translation>
    </message>
    <message>
        <source>Tavrin Config (*.%1)</source>
        <translation>Tavrin-Konfiguration (*.%1)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>A configuration f&amp;ile (%1):</source>
        <translation>Eine &amp;Konfigurationsdatei (%1):</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>Log the units to</source>
        <translation>Geräte protokollieren in</translation>
    </message>
    <message>
        <source>Provisioning log (*.csv)</source>
        <translation>Einrichtungsprotokoll (*.csv)</translation>
    </message>
    <message>
        <source>Profile: %1 (%2); log: %3</source>
        <translation>Profil: %1 (%2); Protokoll: %3</translation>
    </message>
    <message>
        <source>the form&apos;s settings</source>
        <translation>die Einstellungen im Formular</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>wird geschrieben</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>wird verifiziert</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verifiziert</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>already provisioned</source>
        <translation>bereits eingerichtet</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>ausgelassen</translation>
    </message>
    <message>
        <source>unplugged before it was verified</source>
        <translation>abgezogen, bevor es verifiziert war</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Fortschritt von %1</translation>
    </message>
    <message>
        <source>Verified: %1    Failed: %2    Skipped: %3</source>
        <translation>Verifiziert: %1    Fehlgeschlagen: %2    Übersprungen: %3</translation>
    </message>
    <message>
        <source>Elapsed: %1:%2:%3</source>
        <translation>Laufzeit: %1:%2:%3</translation>
    </message>
    <message>
        <source>Warning: these are the form&apos;s default settings, never read from a unit nor loaded from a file. Start would write factory defaults to every unit.</source>
        <translation>Warnung: Dies sind die Standardeinstellungen im Formular, weder aus einem Gerät ausgelesen noch aus einer Datei geladen. „Starten“ würde jedes Gerät mit den Werkseinstellungen beschreiben.</translation>
    </message>
    <message>
        <source>Read from unit %1.</source>
        <translation>Aus Gerät %1 ausgelesen.</translation>
    </message>
    <message>
        <source>Loaded from %1.</source>
        <translation>Aus %1 geladen.</translation>
    </message>
    <message>
        <source>The form&apos;s settings (edited).</source>
        <translation>Die Einstellungen im Formular (bearbeitet).</translation>
    </message>
    <message>
        <source>The form&apos;s default settings.</source>
        <translation>Die Standardeinstellungen im Formular.</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>Nummer %1</translation>
    </message>
    <message>
        <source>System ID %1; button 1: pager %2.</source>
        <translation>System-ID %1; Taste 1: Pager %2.</translation>
    </message>
    <message>
        <source>System ID %1; button 1: pager %2, message “%3”.</source>
        <translation>System-ID %1; Taste 1: Pager %2, Nachricht „%3“.</translation>
    </message>
    <message>
        <source>It is %1.</source>
        <translation>Es liegt unter %1.</translation>
    </message>
    <message>
        <source>New rows are added to this log.</source>
        <translation>Neue Zeilen werden an dieses Protokoll angehängt.</translation>
    </message>
    <message>
        <source>A new log is made.</source>
        <translation>Ein neues Protokoll wird angelegt.</translation>
    </message>
    <message>
        <source>This log numbered its units up to %1; the numbers its units hold are passed over.</source>
        <translation>Dieses Protokoll hat seine Geräte bis %1 nummeriert; die Nummern, die seine Geräte tragen, werden ausgespart.</translation>
    </message>
    <message>
        <source>This log numbered its units; the next unit gets %1. Ticking the box numbers from the number chosen instead, passing over the numbers the log&apos;s units hold.</source>
        <translation>Dieses Protokoll hat seine Geräte nummeriert; das nächste Gerät erhält %1. Wenn Sie das Kästchen ankreuzen, wird stattdessen ab der gewählten Nummer nummeriert, wobei die Nummern der Geräte im Protokoll ausgespart werden.</translation>
    </message>
    <message>
        <source>“%1…” cannot be left out: a serial number has at most %2 characters.</source>
        <translation>„%1…“ kann nicht ausgelassen werden: Eine Seriennummer hat höchstens %2 Zeichen.</translation>
    </message>
    <message>
        <source>Leaves out 1 unit: %1</source>
        <translation>Lässt 1 Gerät aus: %1</translation>
    </message>
    <message>
        <source>Leaves out %1 units: %2</source>
        <translation>Lässt %1 Geräte aus: %2</translation>
    </message>
    <message>
        <source>Open Lo&amp;g</source>
        <translation>Pro&amp;tokoll öffnen</translation>
    </message>
    <message>
        <source>Open Fol&amp;der</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>No program opens %1.</source>
        <translation>Kein Programm kann %1 öffnen.</translation>
    </message>
    <message>
        <source>This log numbered its units up to %1: no number is left for the next unit. Tick the box to number from a number its units do not hold.</source>
        <translation>Dieses Protokoll hat seine Geräte bis %1 nummeriert: Für das nächste Gerät ist keine Nummer mehr frei. Kreuzen Sie das Kästchen an, um ab einer Nummer zu nummerieren, die keines seiner Geräte trägt.</translation>
    </message>
    <message>
        <source>Press Stop first: 1 unit is being written</source>
        <translation>Drücken Sie zuerst „Anhalten“: 1 Gerät wird geschrieben</translation>
    </message>
    <message>
        <source>Press Stop first: %1 units are being written</source>
        <translation>Drücken Sie zuerst „Anhalten“: %1 Geräte werden geschrieben</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>A short sound when a unit is verified and when one fails</source>
        <translation>Ein kurzer Ton, wenn ein Gerät verifiziert ist und wenn eines fehlschlägt</translation>
    </message>
    <message>
        <source>not started: the station was stopping</source>
        <translation>nicht gestartet: die Station wurde gerade angehalten</translation>
    </message>
    <message>
        <source>already provisioned on %1</source>
        <translation>bereits am %1 eingerichtet</translation>
    </message>
    <message>
        <source>superseded: verified on a later plug-in (here: %1)</source>
        <translation>überholt: bei einem späteren Einstecken verifiziert (hier: %1)</translation>
    </message>
    <message>
        <source>1 unit being written</source>
        <translation>1 Gerät wird geschrieben</translation>
    </message>
    <message>
        <source>%1 units being written</source>
        <translation>%1 Geräte werden geschrieben</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Angehalten: %1</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Wird angehalten</translation>
    </message>
    <message>
        <source>Stopping: %1</source>
        <translation>Wird angehalten: %1</translation>
    </message>
    <message>
        <source>Waiting for units — plug them in</source>
        <translation>Warte auf Geräte — bitte einstecken</translation>
    </message>
    <message>
        <source>The units with these serial numbers (the reference unit, for one) stay attached without being written.</source>
        <translation>Die Geräte mit diesen Seriennummern (etwa das Referenzgerät) bleiben angeschlossen, ohne beschrieben zu werden.</translation>
    </message>
</context>
<context>
    <name>FrmTavrin2Qt</name>
    <message>
        <source>VIBE 1</source>
        <comment>zell pgr vibration mode 1</comment>
        <translation>VIBRATION 1</translation>
    </message>
    <message>
        <source>VIBE 2</source>
        <comment>zell pgr vibration mode 2</comment>
        <translation>VIBRATION 2</translation>
    </message>
    <message>
        <source>VIBE 3</source>
        <comment>zell pgr vibration mode 3</comment>
        <translation>VIBRATION 3</translation>
    </message>
    <message>
        <source>1 Sec</source>
        <comment>guest pgr flash mode 1</comment>
        <translation>1 Sek.</translation>
    </message>
    <message>
        <source>30 Sec</source>
        <comment>guest pgr flash mode 2</comment>
        <translation>30 Sek.</translation>
    </message>
    <message>
        <source>5 Min</source>
        <comment>guest pgr flash mode 3</comment>
        <translation>5 Min.</translation>
    </message>
    <message>
        <source>Invalid pager number, using default</source>
        <translation>Ungültige Pagernummer, Standardwert wird verwendet</translation>
    </message>
    <message>
        <source>Invalid external input setting, using default</source>
        <translation>Ungültige Einstellung des externen Eingangs, Standardwert wird verwendet</translation>
    </message>
    <message>
        <source>Invalid pager type, using default</source>
        <translation>Ungültiger Pagertyp, Standardwert wird verwendet</translation>
    </message>
    <message>
        <source>Invalid pager mode, using default</source>
        <translation>Ungültiger Pagermodus, Standardwert wird verwendet</translation>
    </message>
    <message>
        <source>Unable to load config file</source>
        <translation>Konfigurationsdatei kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Unable to save config file</source>
        <translation>Konfigurationsdatei kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The window stays open until the Tavrin operation has ended.</source>
        <translation>Das Fenster bleibt geöffnet, bis der Tavrin-Vorgang beendet ist.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>External input</source>
        <translation>Externer Eingang</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1 aktiviert</translation>
    </message>
    <message>
        <source>%1 pager</source>
        <translation>Pager (%1)</translation>
    </message>
    <message>
        <source>%1 setting</source>
        <translation>Einstellung (%1)</translation>
    </message>
    <message>
        <source>%1 type</source>
        <translation>Typ (%1)</translation>
    </message>
    <message>
        <source>%1 mode</source>
        <translation>Modus (%1)</translation>
    </message>
    <message>
        <source>%1 Zell message</source>
        <translation>Zell-Nachricht (%1)</translation>
    </message>
    <message>
        <source>%1 Alpha message</source>
        <translation>Alpha-Nachricht (%1)</translation>
    </message>
    <message>
        <source>%1 message</source>
        <translation>Nachricht (%1)</translation>
    </message>
    <message>
        <source>Low battery page enabled</source>
        <translation>Batteriewarnruf aktiviert</translation>
    </message>
    <message>
        <source>Low battery pager</source>
        <translation>Pager (Batteriewarnruf)</translation>
    </message>
    <message>
        <source>Low battery message</source>
        <translation>Nachricht (Batteriewarnruf)</translation>
    </message>
    <message>
        <source>Acknowledge page enabled</source>
        <translation>Quittierungsruf aktiviert</translation>
    </message>
    <message>
        <source>Acknowledge pager</source>
        <translation>Pager (Quittierungsruf)</translation>
    </message>
    <message>
        <source>Acknowledge message</source>
        <translation>Nachricht (Quittierungsruf)</translation>
    </message>
    <message>
        <source>Auto on/off 1 enabled</source>
        <translation>Auto-Ein/Aus 1 aktiviert</translation>
    </message>
    <message>
        <source>Auto on/off 1 on time</source>
        <translation>Einschaltzeit (Auto-Ein/Aus 1)</translation>
    </message>
    <message>
        <source>Auto on/off 1 off time</source>
        <translation>Ausschaltzeit (Auto-Ein/Aus 1)</translation>
    </message>
    <message>
        <source>Auto on/off 2 enabled</source>
        <translation>Auto-Ein/Aus 2 aktiviert</translation>
    </message>
    <message>
        <source>Auto on/off 2 on time</source>
        <translation>Einschaltzeit (Auto-Ein/Aus 2)</translation>
    </message>
    <message>
        <source>Auto on/off 2 off time</source>
        <translation>Ausschaltzeit (Auto-Ein/Aus 2)</translation>
    </message>
    <message>
        <source>Auto on/off 3 enabled</source>
        <translation>Auto-Ein/Aus 3 aktiviert</translation>
    </message>
    <message>
        <source>Auto on/off 3 on time</source>
        <translation>Einschaltzeit (Auto-Ein/Aus 3)</translation>
    </message>
    <message>
        <source>Auto on/off 3 off time</source>
        <translation>Ausschaltzeit (Auto-Ein/Aus 3)</translation>
    </message>
    <message>
        <source>Secondary page enabled</source>
        <translation>Zweitruf aktiviert</translation>
    </message>
    <message>
        <source>Secondary pager</source>
        <translation>Pager (Zweitruf)</translation>
    </message>
    <message>
        <source>Cancel message enabled</source>
        <translation>Abbruchnachricht aktiviert</translation>
    </message>
    <message>
        <source>Cancel message</source>
        <translation>Abbruchnachricht</translation>
    </message>
    <message>
        <source>Repage enabled</source>
        <translation>Wiederholungsruf aktiviert</translation>
    </message>
    <message>
        <source>Repage interval</source>
        <translation>Wiederholungsintervall</translation>
    </message>
    <message>
        <source>Tavrin II unit with buttons 1 to 5</source>
        <translation>Tavrin II mit den Tasten 1 bis 5</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Taste 2</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Taste 1</translation>
    </message>
    <message>
        <source>Dalen Tavrin - 2 Button unit with buttons 1 and 2</source>
        <translation>Dalen Tavrin - 2 Button mit den Tasten 1 und 2</translation>
    </message>
    <message>
        <source>Dalen Tavrin unit with one button</source>
        <translation>Dalen Tavrin mit einer Taste</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>To reset Tavrin, please remove
then re-attach Tavrin to PC</source>
        <translation>Um Tavrin zurückzusetzen, trennen Sie
Tavrin vom PC und schließen Sie es wieder an</translation>
    </message>
    <message>
        <source>%1, serial number %2 (%3)</source>
        <translation>%1, Seriennummer %2 (%3)</translation>
    </message>
    <message>
        <source>%1, not answering (%2)</source>
        <translation>%1, antwortet nicht (%2)</translation>
    </message>
    <message>
        <source>Several Tavrin Devices Found</source>
        <translation>Mehrere Tavrin-Geräte gefunden</translation>
    </message>
    <message>
        <source>USB Tavrin Configuration Utility
Version %1
Version Date: %2</source>
        <translation>USB-Konfigurationsprogramm für Tavrin
Version %1
Versionsdatum: %2</translation>
    </message>
    <message>
        <source>Another Tavrin Device Found</source>
        <translation>Weiteres Tavrin-Gerät gefunden</translation>
    </message>
    <message>
        <source>The Tavrin with serial number %1 is no longer attached.
Please select the Tavrin to use:</source>
        <translation>Das Tavrin mit der Seriennummer %1 ist nicht mehr angeschlossen.
Bitte wählen Sie das zu verwendende Tavrin:</translation>
    </message>
    <message>
        <source>The Tavrin with serial number %1 is no longer attached, and no other was chosen.
Nothing was sent.</source>
        <translation>Das Tavrin mit der Seriennummer %1 ist nicht mehr angeschlossen, und es wurde kein anderes gewählt.
Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Please select the Tavrin to use:</source>
        <translation>Bitte wählen Sie das zu verwendende Tavrin:</translation>
    </message>
    <message>
        <source>No Tavrin Device Found</source>
        <translation>Kein Tavrin-Gerät gefunden</translation>
    </message>
    <message>
        <source>Please select your Tavrin type:</source>
        <translation>Bitte wählen Sie Ihren Tavrin-Typ:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Settings written to %1 %2</source>
        <translation>Einstellungen in %1 %2 geschrieben</translation>
    </message>
    <message>
        <source>Tavrin Config (*.%1)</source>
        <translation>Tavrin-Konfiguration (*.%1)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Save config file as</source>
        <translation>Konfigurationsdatei speichern unter</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Choose a config file to load</source>
        <translation>Zu ladende Konfigurationsdatei auswählen</translation>
    </message>
    <message>
        <source>This file is not a Tavrin configuration, or it is damaged.</source>
        <translation>Diese Datei ist keine Tavrin-Konfiguration oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>Loaded %1: settings of a %2</source>
        <translation>%1 geladen: Einstellungen für %2</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 geladen</translation>
    </message>
    <message>
        <source>%1 was not loaded: a Tavrin operation is in progress.</source>
        <translation>%1 wurde nicht geladen: Ein Tavrin-Vorgang läuft.</translation>
    </message>
    <message>
        <source>Not taken in the %1 field: %2.</source>
        <translation>Im Feld „%1“ nicht übernommen: %2.</translation>
    </message>
    <message>
        <source>The configuration is incomplete: it holds %1 of %2 button settings
and %3 of %4 auto on/off times.</source>
        <translation>Die Konfiguration ist unvollständig: Sie enthält %1 von %2 Tasteneinstellungen
und %3 von %4 Auto-Ein/Aus-Zeiten.</translation>
    </message>
    <message>
        <source>Invalid Tavrin type detected!</source>
        <translation>Ungültiger Tavrin-Typ erkannt!</translation>
    </message>
    <message>
        <source>You are trying to update a type %2
UI with a connected type %1 device.</source>
        <translation>Sie versuchen, die Oberfläche für Typ %2
mit einem angeschlossenen Gerät vom Typ %1 zu aktualisieren.</translation>
    </message>
</context>
<context>
    <name>FrmTavrin2QtBase</name>
    <message>
        <source>Tavrin II</source>
        <translation>Tavrin II</translation>
    </message>
    <message>
        <source>Buttons and Inputs</source>
        <translation>Tasten und Eingänge</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ENABLED&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;AKTIVIERT&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;PAGER&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;PAGER&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;TYPE&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;TYP&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MODE&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MODUS&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MESSAGE&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;NACHRICHT&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;1&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 1</source>
        <translation>Ankreuzen, um Taste 1 zu aktivieren</translation>
    </message>
    <message>
        <source>Pager # to page for button 1</source>
        <translation>Pagernummer für den Ruf von Taste 1</translation>
    </message>
    <message>
        <source>Pager type to page for button 1</source>
        <translation>Pagertyp für den Ruf von Taste 1</translation>
    </message>
    <message>
        <source>Zell</source>
        <translation>Zell</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 1</source>
        <translation>Pagermodus für den Ruf von Taste 1</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 1</source>
        <translation>Nachricht an Alpha-Pager für Taste 1</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 1</source>
        <translation>Nachricht an Zell-Pager für Taste 1</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;2&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 2</source>
        <translation>Ankreuzen, um Taste 2 zu aktivieren</translation>
    </message>
    <message>
        <source>Pager # to page for button 2</source>
        <translation>Pagernummer für den Ruf von Taste 2</translation>
    </message>
    <message>
        <source>Pager type to page for button 2</source>
        <translation>Pagertyp für den Ruf von Taste 2</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 2</source>
        <translation>Pagermodus für den Ruf von Taste 2</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 2</source>
        <translation>Nachricht an Alpha-Pager für Taste 2</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 2</source>
        <translation>Nachricht an Zell-Pager für Taste 2</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;3&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 3</source>
        <translation>Ankreuzen, um Taste 3 zu aktivieren</translation>
    </message>
    <message>
        <source>Pager # to page for button 3</source>
        <translation>Pagernummer für den Ruf von Taste 3</translation>
    </message>
    <message>
        <source>Pager type to page for button 3</source>
        <translation>Pagertyp für den Ruf von Taste 3</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 3</source>
        <translation>Pagermodus für den Ruf von Taste 3</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 3</source>
        <translation>Nachricht an Alpha-Pager für Taste 3</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 3</source>
        <translation>Nachricht an Zell-Pager für Taste 3</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;4&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 4</source>
        <translation>Ankreuzen, um Taste 4 zu aktivieren</translation>
    </message>
    <message>
        <source>Pager # to page for button 4</source>
        <translation>Pagernummer für den Ruf von Taste 4</translation>
    </message>
    <message>
        <source>Pager type to page for button 4</source>
        <translation>Pagertyp für den Ruf von Taste 4</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 4</source>
        <translation>Pagermodus für den Ruf von Taste 4</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 4</source>
        <translation>Nachricht an Alpha-Pager für Taste 4</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 4</source>
        <translation>Nachricht an Zell-Pager für Taste 4</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;5&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;5&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 5</source>
        <translation>Ankreuzen, um Taste 5 zu aktivieren</translation>
    </message>
    <message>
        <source>Pager # to page for button 5</source>
        <translation>Pagernummer für den Ruf von Taste 5</translation>
    </message>
    <message>
        <source>Pager type to page for button 5</source>
        <translation>Pagertyp für den Ruf von Taste 5</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 5</source>
        <translation>Pagermodus für den Ruf von Taste 5</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 5</source>
        <translation>Nachricht an Alpha-Pager für Taste 5</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 5</source>
        <translation>Nachricht an Zell-Pager für Taste 5</translation>
    </message>
    <message>
        <source>External Input</source>
        <translation>Externer Eingang</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;SETTING&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;EINSTELLUNG&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable external input</source>
        <translation>Ankreuzen, um den externen Eingang zu aktivieren</translation>
    </message>
    <message>
        <source>Page setting for external input - page on open-to-close or close-to-open</source>
        <translation>Einstellung für den externen Eingang - Ruf beim Schließen oder beim Öffnen des Kontakts</translation>
    </message>
    <message>
        <source>Normally Open</source>
        <translation>Schließer (NO)</translation>
    </message>
    <message>
        <source>Normally Closed</source>
        <translation>Öffner (NC)</translation>
    </message>
    <message>
        <source>Pager # to page upon external input</source>
        <translation>Pagernummer für den Ruf des externen Eingangs</translation>
    </message>
    <message>
        <source>Pager type to page upon external input</source>
        <translation>Pagertyp für den Ruf des externen Eingangs</translation>
    </message>
    <message>
        <source>Pager mode to use with external input page</source>
        <translation>Pagermodus für den Ruf des externen Eingangs</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for external input</source>
        <translation>Nachricht an Alpha-Pager für den externen Eingang</translation>
    </message>
    <message>
        <source>Zell pager type messsage for external input</source>
        <translation>Nachricht an Zell-Pager für den externen Eingang</translation>
    </message>
    <message>
        <source>Advanced Features</source>
        <translation>Erweiterte Funktionen</translation>
    </message>
    <message>
        <source>Auto On / Off</source>
        <translation>Auto-Ein/Aus</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ON&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;EIN&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;OFF&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;AUS&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable auto on/off 1</source>
        <translation>Ankreuzen, um Auto-Ein/Aus 1 zu aktivieren</translation>
    </message>
    <message>
        <source>Turn Tavrin on - time 1</source>
        <translation>Tavrin einschalten - Zeit 1</translation>
    </message>
    <message>
        <source>Turn Tavrin off - time 1</source>
        <translation>Tavrin ausschalten - Zeit 1</translation>
    </message>
    <message>
        <source>Check to enable auto on/off 2</source>
        <translation>Ankreuzen, um Auto-Ein/Aus 2 zu aktivieren</translation>
    </message>
    <message>
        <source>Turn Tavrin on - time 2</source>
        <translation>Tavrin einschalten - Zeit 2</translation>
    </message>
    <message>
        <source>Turn Tavrin off - time 2</source>
        <translation>Tavrin ausschalten - Zeit 2</translation>
    </message>
    <message>
        <source>Check to enable auto on/off 3</source>
        <translation>Ankreuzen, um Auto-Ein/Aus 3 zu aktivieren</translation>
    </message>
    <message>
        <source>Turn Tavrin on - time 3</source>
        <translation>Tavrin einschalten - Zeit 3</translation>
    </message>
    <message>
        <source>Turn Tavrin off - time 3</source>
        <translation>Tavrin ausschalten - Zeit 3</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>&lt;b&gt;LOCKOUT SETTINGS&lt;/b&gt;</source>
        <translation>&lt;b&gt;SPERREINSTELLUNGEN&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;LOCKOUT SEQUENCE&lt;/b&gt;</source>
        <translation>&lt;b&gt;SPERRSEQUENZ&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Indefinite</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source> (seconds)</source>
        <translation> (Sekunden)</translation>
    </message>
    <message>
        <source>Lockout duration</source>
        <translation>Sperrdauer</translation>
    </message>
    <message>
        <source>First (of 3) page button to press to lockout Tavrin</source>
        <translation>Erste (von 3) Ruftaste, die zum Sperren von Tavrin gedrückt wird</translation>
    </message>
    <message>
        <source>Second (of 3) page button to press to lockout Tavrin</source>
        <translation>Zweite (von 3) Ruftaste, die zum Sperren von Tavrin gedrückt wird</translation>
    </message>
    <message>
        <source>Third (of 3) page button to press to lockout Tavrin</source>
        <translation>Dritte (von 3) Ruftaste, die zum Sperren von Tavrin gedrückt wird</translation>
    </message>
    <message>
        <source>System ID</source>
        <translation>System-ID</translation>
    </message>
    <message>
        <source>System ID Tavrin pages to - should match pager system ID</source>
        <translation>System-ID, mit der Tavrin ruft - muss der System-ID der Pager entsprechen</translation>
    </message>
    <message>
        <source>Group Paging</source>
        <translation>Gruppenruf</translation>
    </message>
    <message>
        <source>Check to enable group paging</source>
        <translation>Ankreuzen, um den Gruppenruf zu aktivieren</translation>
    </message>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Push to upgrade firmware</source>
        <translation>Klicken, um die Firmware zu aktualisieren</translation>
    </message>
    <message>
        <source>Repage</source>
        <translation>Wiederholungsruf</translation>
    </message>
    <message>
        <source>Check to enable repaging</source>
        <translation>Ankreuzen, um den Wiederholungsruf zu aktivieren</translation>
    </message>
    <message>
        <source>&lt;b&gt;INTERVAL&lt;/b&gt;</source>
        <translation>&lt;b&gt;INTERVALL&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Interval at which to repage</source>
        <translation>Intervall, in dem der Ruf wiederholt wird</translation>
    </message>
    <message>
        <source>Low Battery Page</source>
        <translation>Batteriewarnruf</translation>
    </message>
    <message>
        <source>Check to enable low battery page</source>
        <translation>Ankreuzen, um den Batteriewarnruf zu aktivieren</translation>
    </message>
    <message>
        <source>Pager # to page if low battery page enabled</source>
        <translation>Pagernummer, die bei aktiviertem Batteriewarnruf gerufen wird</translation>
    </message>
    <message>
        <source>Message to send with low battery page</source>
        <translation>Nachricht, die mit dem Batteriewarnruf gesendet wird</translation>
    </message>
    <message>
        <source>Acknowledge Page</source>
        <translation>Quittierungsruf</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Pager # to page when button pushed</source>
        <translation>Pagernummer, die beim Drücken der Taste gerufen wird</translation>
    </message>
    <message>
        <source>Message sent when button pushed</source>
        <translation>Nachricht, die beim Drücken der Taste gesendet wird</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Vibe 1</source>
        <translation>Vibration 1</translation>
    </message>
    <message>
        <source>Vibe 2</source>
        <translation>Vibration 2</translation>
    </message>
    <message>
        <source>Vibe 3</source>
        <translation>Vibration 3</translation>
    </message>
    <message>
        <source>Beep 1</source>
        <translation>Ton 1</translation>
    </message>
    <message>
        <source>Beep 2</source>
        <translation>Ton 2</translation>
    </message>
    <message>
        <source>Beep 3</source>
        <translation>Ton 3</translation>
    </message>
    <message>
        <source>Vibe-Beep 1</source>
        <translation>Vibration+Ton 1</translation>
    </message>
    <message>
        <source>Vibe-Beep 2</source>
        <translation>Vibration+Ton 2</translation>
    </message>
    <message>
        <source>Vibe-Beep 3</source>
        <translation>Vibration+Ton 3</translation>
    </message>
    <message>
        <source>Look Down</source>
        <translation>Look Down</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Taste 2</translation>
    </message>
    <message>
        <source>Dalen Tavrin ID</source>
        <translation>Dalen Tavrin ID</translation>
    </message>
    <message>
        <source>Number sent with message</source>
        <translation>Nummer, die mit der Nachricht gesendet wird</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Signalton</translation>
    </message>
    <message>
        <source>Check to enable beep</source>
        <translation>Ankreuzen, um den Signalton zu aktivieren</translation>
    </message>
    <message>
        <source>Secondary Page</source>
        <translation>Zweitruf</translation>
    </message>
    <message>
        <source>Check to enable alert page if low battery</source>
        <translation>Ankreuzen, um bei schwacher Batterie einen Warnruf zu aktivieren</translation>
    </message>
    <message>
        <source>Pager # to page when low battery page enabled</source>
        <translation>Pagernummer, die bei aktiviertem Batteriewarnruf gerufen wird</translation>
    </message>
    <message>
        <source>Cancel Message</source>
        <translation>Abbruchnachricht</translation>
    </message>
    <message>
        <source>Message sent with low batttery page</source>
        <translation>Nachricht, die mit dem Batteriewarnruf gesendet wird</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;INTERVAL&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;INTERVALL&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Read
Tavrin</source>
        <translation>Tavrin
auslesen</translation>
    </message>
    <message>
        <source>Push to read current settings from Tavrin</source>
        <translation>Klicken, um die aktuellen Einstellungen aus Tavrin auszulesen</translation>
    </message>
    <message>
        <source>Update
Tavrin</source>
        <translation>An Tavrin
übertragen</translation>
    </message>
    <message>
        <source>Push to send current settings to Tavrin</source>
        <translation>Klicken, um die aktuellen Einstellungen an Tavrin zu senden</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;right&quot;&gt;Serial Number:&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;right&quot;&gt;Seriennummer:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tavrin&apos;s serial number</source>
        <translation>Seriennummer von Tavrin</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;right&quot;&gt;Firmware:&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;right&quot;&gt;Firmware:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tavrin&apos;s firmware version</source>
        <translation>Firmwareversion von Tavrin</translation>
    </message>
    <message>
        <source>&lt;b&gt;With group paging enabled, pager numbers 1-98 will page groups.&lt;/b&gt;</source>
        <translation>&lt;b&gt;Bei aktiviertem Gruppenruf rufen die Pagernummern 1-98 Gruppen.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Select Device</source>
        <translation>&amp;Gerät wählen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Load Configuration</source>
        <translation>Konfiguration &amp;laden</translation>
    </message>
    <message>
        <source>Load existing Tavrin configuration file</source>
        <translation>Vorhandene Tavrin-Konfigurationsdatei laden</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>Konfiguration &amp;speichern</translation>
    </message>
    <message>
        <source>Save current settings to Tavrin configuration file</source>
        <translation>Aktuelle Einstellungen in einer Tavrin-Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit from application</source>
        <translation>Anwendung beenden</translation>
    </message>
    <message>
        <source>&amp;Tavrin II</source>
        <translation>&amp;Tavrin II</translation>
    </message>
    <message>
        <source>&amp;Dalen Tavrin</source>
        <translation>&amp;Dalen Tavrin</translation>
    </message>
    <message>
        <source>Select Tavrin II device</source>
        <translation>Gerät Tavrin II wählen</translation>
    </message>
    <message>
        <source>Select Dalen Tavrin device</source>
        <translation>Gerät Dalen Tavrin wählen</translation>
    </message>
    <message>
        <source>Dalen Tavrin - &amp;2 Button</source>
        <translation>Dalen Tavrin - &amp;2 Button</translation>
    </message>
    <message>
        <source>Select Dalen Tavrin - 2 Button Device </source>
        <translation>Gerät Dalen Tavrin - 2 Button wählen </translation>
    </message>
    <message>
        <source>&amp;Program Pagers</source>
        <translation>&amp;Pager programmieren</translation>
    </message>
    <message>
        <source>Program pagers</source>
        <translation>Pager programmieren</translation>
    </message>
    <message>
        <source>Pro&amp;vision Units...</source>
        <translation>Geräte &amp;einrichten...</translation>
    </message>
    <message>
        <source>Program every unit plugged in with one profile</source>
        <translation>Jedes eingesteckte Gerät mit einem Profil programmieren</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset Tavrin device</source>
        <translation>Tavrin-Gerät zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Displays application info</source>
        <translation>Zeigt Informationen zur Anwendung an</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Initialisieren</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Alt+U</source>
        <translation>Alt+U</translation>
    </message>
</context>
<context>
    <name>HubStation</name>
    <message>
        <source>The log %1 cannot be written (%2); no more units are started.</source>
        <translation>Das Protokoll %1 kann nicht geschrieben werden (%2); es werden keine weiteren Geräte gestartet.</translation>
    </message>
    <message>
        <source>stopped before it was verified</source>
        <translation>angehalten, bevor es verifiziert war</translation>
    </message>
    <message>
        <source>The station takes no more units: %1.</source>
        <translation>Die Station nimmt keine weiteren Geräte an: %1.</translation>
    </message>
</context>
<context>
    <name>Latin1Text</name>
    <message>
        <source> (tab)</source>
        <translation> (Tabulator)</translation>
    </message>
    <message>
        <source> (line feed)</source>
        <translation> (Zeilenvorschub)</translation>
    </message>
    <message>
        <source> (carriage return)</source>
        <translation> (Wagenrücklauf)</translation>
    </message>
</context>
<context>
    <name>PagerOptions</name>
    <message>
        <source>A coaster is always a guest: --who manager needs --kind zell.</source>
        <translation>Ein Coaster ist immer für Gäste: --who manager erfordert --kind zell.</translation>
    </message>
    <message>
        <source>Invalid Welcome Message text...
up to 3 lines and 48 characters max
- no commas allowed</source>
        <translation>Ungültige Begrüßungsnachricht...
höchstens 3 Zeilen und 48 Zeichen
- keine Kommas erlaubt</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3.</source>
        <translation>--%1 erwartet eine Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>--%1 is required.</source>
        <translation>--%1 ist erforderlich.</translation>
    </message>
    <message>
        <source>--%1 takes %2 or %3.</source>
        <translation>--%1 erwartet %2 oder %3.</translation>
    </message>
    <message>
        <source>--%1 needs --group-paging on.</source>
        <translation>--%1 erfordert --group-paging on.</translation>
    </message>
    <message>
        <source>--%1 takes a pager number from %2 to %3 (0 = not used), then a comma and the group&apos;s name.</source>
        <translation>--%1 erwartet eine Pagernummer von %2 bis %3 (0 = nicht verwendet), dann ein Komma und den Namen der Gruppe.</translation>
    </message>
    <message>
        <source>Group names may not contain commas (--%1).</source>
        <translation>Gruppennamen dürfen keine Kommas enthalten (--%1).</translation>
    </message>
    <message>
        <source>The name of group %1 takes at most %2 characters.</source>
        <translation>Der Name der Gruppe %1 darf höchstens %2 Zeichen lang sein.</translation>
    </message>
</context>
<context>
    <name>ProvisionLog</name>
    <message>
        <source>Could not write to %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The log %1 is in use by another program.</source>
        <translation>Das Protokoll %1 wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file is as large as the system lets it grow</source>
        <translation>die Datei hat die vom System erlaubte Höchstgröße erreicht</translation>
    </message>
    <message>
        <source>Could not write to %1: the folder %2 does not exist.</source>
        <translation>%1 konnte nicht geschrieben werden: Der Ordner %2 existiert nicht.</translation>
    </message>
    <message>
        <source>Could not write to %1: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the log must be one.</source>
        <translation>%1 ist keine reguläre Datei; das Protokoll muss eine sein.</translation>
    </message>
    <message>
        <source>%1 is not a provisioning log of this program: its first line is not the log&apos;s header. Choose a new file, or a log this program wrote.</source>
        <translation>%1 ist kein Einrichtungsprotokoll dieses Programms: Die erste Zeile ist nicht die Kopfzeile des Protokolls. Wählen Sie eine neue Datei oder ein Protokoll, das dieses Programm geschrieben hat.</translation>
    </message>
    <message>
        <source>%1 holds %2 MiB, more than a provisioning log may (%3 MiB); start a new log.</source>
        <translation>%1 ist %2 MiB groß, größer als ein Einrichtungsprotokoll sein darf (%3 MiB); beginnen Sie ein neues Protokoll.</translation>
    </message>
    <message>
        <source>Could not read from %1: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>ProvisionPolicy</name>
    <message>
        <source>%1 holds values out of range; nothing was sent:</source>
        <translation>%1 enthält Werte außerhalb des zulässigen Bereichs; es wurde nichts gesendet:</translation>
    </message>
    <message>
        <source>%1: %2 (allowed: %3)</source>
        <translation>%1: %2 (zulässig: %3)</translation>
    </message>
    <message>
        <source>%1 holds messages longer than their fields take; nothing was sent:</source>
        <translation>%1 enthält Nachrichten, die länger sind, als ihre Felder fassen; es wurde nichts gesendet:</translation>
    </message>
    <message>
        <source>already provisioned with this profile on %1</source>
        <translation>bereits am %1 mit diesem Profil eingerichtet</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>ausgelassen</translation>
    </message>
    <message>
        <source>This unit reports no serial number; it cannot be told apart from others, so nothing was sent.</source>
        <translation>Dieses Gerät meldet keine Seriennummer; es ist von anderen nicht zu unterscheiden, daher wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Another unit in flight, at %1, reports the same serial number %2; nothing was sent.</source>
        <translation>Ein anderes Gerät in Arbeit, an %1, meldet dieselbe Seriennummer %2; es wurde nichts gesendet.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n characters (at most %2)</source>
        <translation>
            <numerusform>%1: %n Zeichen (höchstens %2)</numerusform>
            <numerusform>%1: %n Zeichen (höchstens %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>not provisioned with this profile</source>
        <translation>nicht mit diesem Profil eingerichtet</translation>
    </message>
    <message>
        <source>numbered %1, which is not one of the numbers checked</source>
        <translation>mit %1 nummeriert; diese Nummer gehört nicht zu den geprüften</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Tavrin II</source>
        <translation>Tavrin II</translation>
    </message>
    <message>
        <source>Dalen Tavrin</source>
        <translation>Dalen Tavrin</translation>
    </message>
    <message>
        <source>Dalen Tavrin - 2 Button</source>
        <translation>Dalen Tavrin - 2 Button</translation>
    </message>
</context>
<context>
    <name>SettingsPrinter</name>
    <message>
        <source>(out of range; allowed: %1)</source>
        <translation>(außerhalb des Bereichs; zulässig: %1)</translation>
    </message>
    <message>
        <source>%1: %2, not answering (%3)</source>
        <translation>%1: %2, antwortet nicht (%3)</translation>
    </message>
    <message>
        <source>%1: %2, firmware %3, serial number %4</source>
        <translation>%1: %2, Firmware %3, Seriennummer %4</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Speicherplatz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
</context>
<context>
    <name>Tavrin2QtCfg</name>
    <message>
        <source>Tavrin2QtCfg::freeze(): Got archive_exception (%1 = %2)
</source>
        <translation>Tavrin2QtCfg::freeze(): archive_exception erhalten (%1 = %2)
</translation>
    </message>
    <message>
        <source>Tavrin2QtCfg::thaw(): Got another exception while reading:
%1
</source>
        <translation>Tavrin2QtCfg::thaw(): Weitere Ausnahme beim Lesen:
%1
</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>it is not an XML document</source>
        <translation>sie ist kein XML-Dokument</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>sie enthält Bytes, die kein Text sind</translation>
    </message>
    <message>
        <source>it ends too early</source>
        <translation>sie endet zu früh</translation>
    </message>
    <message>
        <source>an element is missing or out of place</source>
        <translation>ein Element fehlt oder steht an falscher Stelle</translation>
    </message>
    <message>
        <source>it is not well-formed XML</source>
        <translation>sie ist kein wohlgeformtes XML</translation>
    </message>
    <message>
        <source>it is an XML document of another kind</source>
        <translation>sie ist ein XML-Dokument anderer Art</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>sie wurde von einer neueren Version geschrieben</translation>
    </message>
    <message>
        <source>a value in it cannot be read</source>
        <translation>ein Wert darin kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Tavrin2QtComm</name>
    <message>
        <source>Several Tavrin devices are attached and none was chosen.
Nothing was sent.</source>
        <translation>Mehrere Tavrin-Geräte sind angeschlossen, und keines wurde gewählt.
Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The Tavrin with serial number %1 answers in place of the one with serial number %2.
Nothing was sent.</source>
        <translation>Das Tavrin mit der Seriennummer %1 antwortet anstelle des Tavrin mit der Seriennummer %2.
Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Dalen Tavrin</source>
        <translation>Dalen Tavrin</translation>
    </message>
    <message>
        <source>Dalen Tavrin - 2 Button</source>
        <translation>Dalen Tavrin - 2 Button</translation>
    </message>
    <message>
        <source>Tavrin II</source>
        <translation>Tavrin II</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Tavrin is busy with another operation.</source>
        <translation>Tavrin ist mit einem anderen Vorgang beschäftigt.</translation>
    </message>
    <message>
        <source>Reading Tavrin...</source>
        <translation>Tavrin wird ausgelesen...</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Settings report</source>
        <translation>Einstellungsbericht</translation>
    </message>
    <message>
        <source>The Alpha message of the External input</source>
        <translation>Die Alpha-Nachricht des externen Eingangs</translation>
    </message>
    <message>
        <source>The Alpha message of Button %1</source>
        <translation>Die Alpha-Nachricht von Taste %1</translation>
    </message>
    <message>
        <source>Tavrin refused %1 (%2), answering &quot;%3&quot;.
The commands before it were applied; the ones after it were not sent.</source>
        <translation>Tavrin hat %1 (%2) abgelehnt, mit der Antwort „%3“.
Die Befehle davor wurden übernommen; die danach wurden nicht gesendet.</translation>
    </message>
    <message>
        <source>You are trying to program a %1
device with the %2 UI selected.</source>
        <translation>Sie versuchen, ein Gerät vom Typ %1
mit der ausgewählten Oberfläche für %2 zu programmieren.</translation>
    </message>
    <message>
        <source>Repage is on but the Acknowledge page is off: Tavrin II switches both with one setting, so Repage would be off after the update.
Please turn the Acknowledge page on, or Repage off; nothing was sent.</source>
        <translation>Der Wiederholungsruf ist ein, der Quittierungsruf aber aus: Tavrin II schaltet beide mit einer Einstellung, daher wäre der Wiederholungsruf nach der Übertragung aus.
Bitte schalten Sie den Quittierungsruf ein oder den Wiederholungsruf aus; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Updating Dalen Tavrin...</source>
        <translation>Einstellungen werden an Dalen Tavrin übertragen...</translation>
    </message>
    <message>
        <source>Updating Tavrin II...</source>
        <translation>Einstellungen werden an Tavrin II übertragen...</translation>
    </message>
    <message>
        <source>Programming pager...</source>
        <translation>Pager wird programmiert...</translation>
    </message>
    <message>
        <source>The message of Button 2</source>
        <translation>Die Nachricht von Taste 2</translation>
    </message>
    <message>
        <source>The message of the Button</source>
        <translation>Die Nachricht der Taste</translation>
    </message>
    <message>
        <source>The message of Button 1</source>
        <translation>Die Nachricht von Taste 1</translation>
    </message>
    <message>
        <source>An unused button, switched off</source>
        <translation>Eine unbenutzte Taste, ausgeschaltet</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>The Low battery page message</source>
        <translation>Die Nachricht des Batteriewarnrufs</translation>
    </message>
    <message>
        <source>The Cancel message</source>
        <translation>Die Abbruchnachricht</translation>
    </message>
    <message>
        <source>These settings hold %1 button entries and %2 automatic on/off times; Tavrin II needs %3 and %4.
Nothing was sent.</source>
        <translation>Diese Einstellungen enthalten %1 Tasteneinträge und %2 Auto-Ein/Aus-Zeiten; Tavrin II benötigt %3 und %4.
Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Acknowledge page</source>
        <translation>Quittierungsruf</translation>
    </message>
    <message>
        <source>The Acknowledge page message</source>
        <translation>Die Nachricht des Quittierungsrufs</translation>
    </message>
    <message>
        <source>Pager number, all-page ID and system ID</source>
        <translation>Pagernummer, Sammelruf-ID und System-ID</translation>
    </message>
    <message>
        <source>The Welcome message</source>
        <translation>Die Begrüßungsnachricht</translation>
    </message>
    <message>
        <source>Welcome message</source>
        <translation>Begrüßungsnachricht</translation>
    </message>
    <message>
        <source>Group %1 name</source>
        <translation>Name von Gruppe %1</translation>
    </message>
    <message>
        <source>The Group %1 name</source>
        <translation>Der Name von Gruppe %1</translation>
    </message>
    <message>
        <source>Group %1 pager</source>
        <translation>Pager von Gruppe %1</translation>
    </message>
    <message>
        <source>Pager number, system ID and options</source>
        <translation>Pagernummer, System-ID und Optionen</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Dalen Tavrin ID</source>
        <translation>Dalen Tavrin ID</translation>
    </message>
    <message>
        <source>System ID</source>
        <translation>System-ID</translation>
    </message>
    <message>
        <source>Repage interval</source>
        <translation>Wiederholungsintervall</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Taste 2</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Taste 1</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>External input</source>
        <translation>Externer Eingang</translation>
    </message>
    <message>
        <source>Auto on/off %1 on time</source>
        <translation>Einschaltzeit (Auto-Ein/Aus %1)</translation>
    </message>
    <message>
        <source>Auto on/off %1 off time</source>
        <translation>Ausschaltzeit (Auto-Ein/Aus %1)</translation>
    </message>
    <message>
        <source>Lockout sequence</source>
        <translation>Sperrsequenz</translation>
    </message>
    <message>
        <source>Lockout time</source>
        <translation>Sperrdauer</translation>
    </message>
    <message>
        <source>Acknowledge page and repage enabled</source>
        <translation>Quittierungsruf und Wiederholungsruf aktiviert</translation>
    </message>
    <message>
        <source>Repage enabled</source>
        <translation>Wiederholungsruf aktiviert</translation>
    </message>
    <message>
        <source>Beep enabled</source>
        <translation>Signalton aktiviert</translation>
    </message>
    <message>
        <source>Group paging enabled</source>
        <translation>Gruppenruf aktiviert</translation>
    </message>
    <message>
        <source>Low battery page</source>
        <translation>Batteriewarnruf</translation>
    </message>
    <message>
        <source>Secondary page</source>
        <translation>Zweitruf</translation>
    </message>
    <message>
        <source>Cancel message</source>
        <translation>Abbruchnachricht</translation>
    </message>
    <message>
        <source>Tavrin&apos;s answer lacked these settings, which show their defaults instead of the unit&apos;s:
%1</source>
        <translation>In der Antwort von Tavrin fehlten diese Einstellungen; sie zeigen statt der Werte des Geräts ihre Standardwerte:
%1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>Model: sent %1, Tavrin holds %2</source>
        <translation>Modell: gesendet %1, Tavrin enthält %2</translation>
    </message>
    <message>
        <source>%1: sent %2, Tavrin holds %3</source>
        <translation>%1: gesendet %2, Tavrin enthält %3</translation>
    </message>
    <message>
        <source>Tavrin answered every command, but when read back it did not report these settings, so the update could not be checked:
%1</source>
        <translation>Tavrin hat jeden Befehl beantwortet, aber beim Zurücklesen diese Einstellungen nicht gemeldet, daher konnte die Übertragung nicht geprüft werden:
%1</translation>
    </message>
    <message>
        <source>Tavrin answered every command, but when read back it does not hold these settings:
%1</source>
        <translation>Tavrin hat jeden Befehl beantwortet, enthält beim Zurücklesen aber diese Einstellungen nicht:
%1</translation>
    </message>
    <message>
        <source>%1 contains a comma, which Tavrin would take as the start of another field.
Please remove it; nothing was sent.</source>
        <translation>%1 enthält ein Komma, das Tavrin als Beginn eines weiteren Felds auffassen würde.
Bitte entfernen Sie es; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 holds the character &quot;%2&quot;, which Tavrin cannot take.
Please replace it; nothing was sent.</source>
        <translation>%1 enthält das Zeichen „%2“, das Tavrin nicht verarbeiten kann.
Bitte ersetzen Sie es; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 holds the control character %2, which Tavrin cannot show.
Please remove it; nothing was sent.</source>
        <translation>%1 enthält das Steuerzeichen %2, das Tavrin nicht anzeigen kann.
Bitte entfernen Sie es; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 holds &quot;\f&quot;, which Tavrin takes as the start of the pager alert code: it would keep another message and alert.
Please remove it; nothing was sent.</source>
        <translation>%1 enthält „\f“, das Tavrin als Beginn des Pager-Alarmcodes auffasst: Es bliebe bei einer anderen Nachricht und einem anderen Alarm.
Bitte entfernen Sie es; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The %1 command</source>
        <translation>Der Befehl %1</translation>
    </message>
    <message>
        <source>%1 is too long to send to Tavrin (its command would have %2 characters; a command may hold at most %3).
Nothing was sent.</source>
        <translation>%1 ist zu lang, um an Tavrin gesendet zu werden (der zugehörige Befehl hätte %2 Zeichen; ein Befehl darf höchstens %3 enthalten).
Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Model: file holds %1, Tavrin holds %2</source>
        <translation>Modell: Datei enthält %1, Tavrin enthält %2</translation>
    </message>
    <message>
        <source>%1: file holds %2, Tavrin holds %3</source>
        <translation>%1: Datei enthält %2, Tavrin enthält %3</translation>
    </message>
</context>
<context>
    <name>UnitNumbering</name>
    <message>
        <source>&quot;%1&quot; is not a list of numbers such as 12,14,20-35.</source>
        <translation>„%1“ ist keine Liste von Nummern wie 12,14,20-35.</translation>
    </message>
    <message>
        <source>The number %1 is outside %2 to %3.</source>
        <translation>Die Nummer %1 liegt außerhalb von %2 bis %3.</translation>
    </message>
    <message>
        <source>The number %1 is given twice.</source>
        <translation>Die Nummer %1 ist doppelt angegeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>no number left in %1</source>
        <translation>keine Nummer mehr frei in %1</translation>
    </message>
</context>
<context>
    <name>UnitTextValidator</name>
    <message>
        <source>%1: Tavrin cannot take characters beyond Latin-1</source>
        <translation>%1: Tavrin kann keine Zeichen außerhalb von Latin-1 verarbeiten</translation>
    </message>
    <message>
        <source>%1: Tavrin cannot show control characters</source>
        <translation>%1: Tavrin kann keine Steuerzeichen anzeigen</translation>
    </message>
    <message>
        <source>&quot;,&quot;: a comma would start another field of Tavrin&apos;s command</source>
        <translation>„,“: Ein Komma würde ein weiteres Feld im Befehl an Tavrin beginnen</translation>
    </message>
</context>
<context>
    <name>UnitWorker</name>
    <message>
        <source>With number %1: %2</source>
        <translation>Mit Nummer %1: %2</translation>
    </message>
    <message>
        <source>Unexpected failure.</source>
        <translation>Unerwarteter Fehler.</translation>
    </message>
    <message>
        <source>This unit is a %1 and the profile is for a %2; nothing was sent.</source>
        <translation>Dieses Gerät ist ein %1, das Profil aber für ein %2; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>abgezogen</translation>
    </message>
    <message>
        <source>unplugged before it was verified</source>
        <translation>abgezogen, bevor es verifiziert war</translation>
    </message>
    <message>
        <source>It now holds number %1: plug it in again to finish it.</source>
        <translation>Es hat jetzt die Nummer %1: Stecken Sie es erneut ein, um es fertig einzurichten.</translation>
    </message>
    <message numerus="yes">
        <source>The %1 is %n characters long; its field takes at most %2. Nothing was sent.</source>
        <translation>
            <numerusform>Der Text im Feld „%1“ ist %n Zeichen lang; das Feld fasst höchstens %2. Es wurde nichts gesendet.</numerusform>
            <numerusform>Der Text im Feld „%1“ ist %n Zeichen lang; das Feld fasst höchstens %2. Es wurde nichts gesendet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UsbHid</name>
    <message>
        <source>Permission denied opening the Tavrin device. Install the udev rule 70-tavrin.rules (see README) and re-plug the device.
</source>
        <translation>Zugriff auf das Tavrin-Gerät verweigert. Installieren Sie die udev-Regel 70-tavrin.rules (siehe README) und stecken Sie das Gerät erneut ein.
</translation>
    </message>
    <message>
        <source>HID.DLL failed to load</source>
        <translation>HID.DLL konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>SETUPAPI.DLL failed to load</source>
        <translation>SETUPAPI.DLL konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>HidD_GetHidGuid not found in HID.DLL</source>
        <translation>HidD_GetHidGuid in HID.DLL nicht gefunden</translation>
    </message>
    <message>
        <source>HidD_GetAttributes not found in HID.DLL</source>
        <translation>HidD_GetAttributes in HID.DLL nicht gefunden</translation>
    </message>
    <message>
        <source>SetupDiDestroyDeviceInfoList not found in SETUPAPI.DLL</source>
        <translation>SetupDiDestroyDeviceInfoList in SETUPAPI.DLL nicht gefunden</translation>
    </message>
    <message>
        <source>SetupDiEnumDeviceInterfaces not found in SETUPAPI.DLL</source>
        <translation>SetupDiEnumDeviceInterfaces in SETUPAPI.DLL nicht gefunden</translation>
    </message>
    <message>
        <source>SetupDiGetClassDevsA not found in SETUPAPI.DLL</source>
        <translation>SetupDiGetClassDevsA in SETUPAPI.DLL nicht gefunden</translation>
    </message>
    <message>
        <source>SetupDiGetDeviceInterfaceDetailA not found in SETUPAPI.DLL</source>
        <translation>SetupDiGetDeviceInterfaceDetailA in SETUPAPI.DLL nicht gefunden</translation>
    </message>
    <message>
        <source>No Tavrin device found
Please verify Tavrin is connected to PC</source>
        <translation>Kein Tavrin-Gerät gefunden
Bitte prüfen Sie, ob Tavrin mit dem PC verbunden ist</translation>
    </message>
    <message>
        <source>SetupDiGetClassDevs failed to open handle to device set</source>
        <translation>SetupDiGetClassDevs konnte kein Handle auf die Gerätemenge öffnen</translation>
    </message>
    <message>
        <source>SetupDiGetDeviceInterfaceDetail failed</source>
        <translation>SetupDiGetDeviceInterfaceDetail fehlgeschlagen</translation>
    </message>
    <message>
        <source>getHidGuid passed in NULL guid</source>
        <translation>getHidGuid wurde eine NULL-GUID übergeben</translation>
    </message>
    <message>
        <source>WriteFile failed</source>
        <translation>WriteFile fehlgeschlagen</translation>
    </message>
    <message>
        <source>ReadFile failed</source>
        <translation>ReadFile fehlgeschlagen</translation>
    </message>
    <message>
        <source>GetOverlappedResult failed</source>
        <translation>GetOverlappedResult fehlgeschlagen</translation>
    </message>
    <message>
        <source>Lost communication to Tavrin
Please remove then re-attach Tavrin to PC</source>
        <translation>Verbindung zu Tavrin verloren
Bitte trennen Sie Tavrin vom PC und schließen Sie es wieder an</translation>
    </message>
    <message>
        <source>Tavrin response indicates an error was
encountered performing current operation</source>
        <translation>Die Antwort von Tavrin meldet einen Fehler
bei der Ausführung des aktuellen Vorgangs</translation>
    </message>
    <message>
        <source>Detected software version is not supported.
Please contact Orvenna to upgrade.</source>
        <translation>Die erkannte Softwareversion wird nicht unterstützt.
Bitte wenden Sie sich für ein Upgrade an Orvenna.</translation>
    </message>
    <message>
        <source>The Tavrin at %1 is in use by another program.</source>
        <translation>Das Tavrin an %1 wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>WARNING: unknown exception</source>
        <translation>WARNUNG: unbekannte Ausnahme</translation>
    </message>
    <message numerus="yes">
        <source>The Tavrin device took %1 of %n bytes of a report.
</source>
        <translation>
            <numerusform>Das Tavrin-Gerät hat %1 von %n Byte eines Reports angenommen.
</numerusform>
            <numerusform>Das Tavrin-Gerät hat %1 von %n Bytes eines Reports angenommen.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Command line too long for Tavrin (%n characters, at most %1)</source>
        <translation>
            <numerusform>Befehlszeile zu lang für Tavrin (%n Zeichen, höchstens %1)</numerusform>
            <numerusform>Befehlszeile zu lang für Tavrin (%n Zeichen, höchstens %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowStopSignals</name>
    <message>
        <source>Stopped at once; left unverified: %1</source>
        <translation>Sofort angehalten; nicht verifiziert: %1</translation>
    </message>
</context>
<context>
    <name>WorkerPool</name>
    <message>
        <source>its row could not be written to the log: %1</source>
        <translation>seine Zeile konnte nicht ins Protokoll geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>frmProgramPagersBase</name>
    <message>
        <source>Program Pagers</source>
        <translation>Pager programmieren</translation>
    </message>
    <message>
        <source>Zell / Coaster</source>
        <translation>Zell / Coaster</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Pagernummer</translation>
    </message>
    <message>
        <source>Zell / coaster pager # to program</source>
        <translation>Nummer des zu programmierenden Zell-Pagers / Coasters</translation>
    </message>
    <message>
        <source>System ID</source>
        <translation>System-ID</translation>
    </message>
    <message>
        <source>Zell / coaster pager&apos;s system ID</source>
        <translation>System-ID des Zell-Pagers / Coasters</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Zell Pager</source>
        <translation>Zell-Pager</translation>
    </message>
    <message>
        <source>Select to program zell pager</source>
        <translation>Auswählen, um einen Zell-Pager zu programmieren</translation>
    </message>
    <message>
        <source>Coaster</source>
        <translation>Coaster</translation>
    </message>
    <message>
        <source>Select to program coaster pager</source>
        <translation>Auswählen, um einen Coaster zu programmieren</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Select to indicate guest zell pager</source>
        <translation>Auswählen für einen Zell-Pager für Gäste</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Select to indicate manager zell pager</source>
        <translation>Auswählen für einen Zell-Pager für Manager</translation>
    </message>
    <message>
        <source>Vibe On / Off</source>
        <translation>Vibration ein / aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Select to enable pager vibration</source>
        <translation>Auswählen, um die Vibration des Pagers einzuschalten</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Select to disable pager vibration</source>
        <translation>Auswählen, um die Vibration des Pagers auszuschalten</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Pager Numbers</source>
        <translation>Pagernummern</translation>
    </message>
    <message>
        <source>PAGER:</source>
        <translation>PAGER:</translation>
    </message>
    <message>
        <source>Alpha pager # to program</source>
        <translation>Nummer des zu programmierenden Alpha-Pagers</translation>
    </message>
    <message>
        <source>ALL PAGE:</source>
        <translation>SAMMELRUF:</translation>
    </message>
    <message>
        <source>ID to program for all page</source>
        <translation>ID, die für den Sammelruf programmiert wird</translation>
    </message>
    <message>
        <source>Alpha pager&apos;s system ID</source>
        <translation>System-ID des Alpha-Pagers</translation>
    </message>
    <message>
        <source>Group Paging</source>
        <translation>Gruppenruf</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Check to enable group paging</source>
        <translation>Ankreuzen, um den Gruppenruf zu aktivieren</translation>
    </message>
    <message>
        <source>Welcome Message</source>
        <translation>Begrüßungsnachricht</translation>
    </message>
    <message>
        <source>Message that will appear after re-inserting Alpha pager battery</source>
        <translation>Nachricht, die nach dem Wiedereinsetzen der Batterie des Alpha-Pagers erscheint</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Group 1:</source>
        <translation>Gruppe 1:</translation>
    </message>
    <message>
        <source>Group 1 pager #</source>
        <translation>Pagernummer von Gruppe 1</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Group 1 name</source>
        <translation>Name von Gruppe 1</translation>
    </message>
    <message>
        <source>Group 2:</source>
        <translation>Gruppe 2:</translation>
    </message>
    <message>
        <source>Group 2 pager #</source>
        <translation>Pagernummer von Gruppe 2</translation>
    </message>
    <message>
        <source>Group 2 name</source>
        <translation>Name von Gruppe 2</translation>
    </message>
    <message>
        <source>Group 3:</source>
        <translation>Gruppe 3:</translation>
    </message>
    <message>
        <source>Group 3 pager #</source>
        <translation>Pagernummer von Gruppe 3</translation>
    </message>
    <message>
        <source>Group 3 name</source>
        <translation>Name von Gruppe 3</translation>
    </message>
    <message>
        <source>Group 4:</source>
        <translation>Gruppe 4:</translation>
    </message>
    <message>
        <source>Group 4 pager #</source>
        <translation>Pagernummer von Gruppe 4</translation>
    </message>
    <message>
        <source>Group 4 name</source>
        <translation>Name von Gruppe 4</translation>
    </message>
    <message>
        <source>Group 5:</source>
        <translation>Gruppe 5:</translation>
    </message>
    <message>
        <source>Group 5 pager #</source>
        <translation>Pagernummer von Gruppe 5</translation>
    </message>
    <message>
        <source>Group 5 name</source>
        <translation>Name von Gruppe 5</translation>
    </message>
    <message>
        <source>Push to program current settings</source>
        <translation>Klicken, um die aktuellen Einstellungen zu programmieren</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>Push to exit program pagers</source>
        <translation>Klicken, um „Pager programmieren“ zu verlassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>With group paging enabled, pager numbers 1-98 will page groups.</source>
        <translation>Bei aktiviertem Gruppenruf rufen die Pagernummern 1-98 Gruppen.</translation>
    </message>
</context>
</TS>
