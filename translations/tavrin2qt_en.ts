<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CfgFieldList</name>
    <message>
        <location filename="../config/CfgFieldList.cpp" line="+44"/>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+80"/>
        <source>Button %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-80"/>
        <location line="+82"/>
        <source>External input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto on/off %1 enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto on/off %1 on time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto on/off %1 off time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lockout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lockout time (seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lockout sequence 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lockout sequence 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lockout sequence 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+57"/>
        <source>System ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-56"/>
        <location line="+57"/>
        <source>Group paging enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-56"/>
        <location line="+67"/>
        <source>Repage enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-66"/>
        <location line="+67"/>
        <source>Repage interval (seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-65"/>
        <location line="+60"/>
        <source>Low battery page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-59"/>
        <location line="+60"/>
        <source>Low battery page pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-158"/>
        <location line="+9"/>
        <location line="+91"/>
        <location line="+60"/>
        <source>Low battery page message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Acknowledge page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acknowledge page pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+102"/>
        <source>Acknowledge page message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+25"/>
        <location line="+5"/>
        <source>%1 pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-29"/>
        <source>%1 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+23"/>
        <location line="+6"/>
        <source>%1 mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-148"/>
        <location line="+8"/>
        <location line="+2"/>
        <location line="+118"/>
        <location line="+3"/>
        <location line="+10"/>
        <location line="+6"/>
        <source>%1 message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-139"/>
        <location line="+131"/>
        <source>Button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-131"/>
        <location line="+131"/>
        <source>Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-129"/>
        <location line="+134"/>
        <source>Button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Dalen Tavrin ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Beep enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondary page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondary page pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel message enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-147"/>
        <location line="+148"/>
        <source>Cancel message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-34"/>
        <source>1, 2 or 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+83"/>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Zell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>VIBE 1</source>
        <comment>zell pgr vibration mode 1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>VIBE 2</source>
        <comment>zell pgr vibration mode 2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VIBE 3</source>
        <comment>zell pgr vibration mode 3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 Sec</source>
        <comment>guest pgr flash mode 1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>30 Sec</source>
        <comment>guest pgr flash mode 2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5 Min</source>
        <comment>guest pgr flash mode 3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Normally Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Normally Closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vibe 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vibe 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vibe 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beep 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Beep 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Beep 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vibe-Beep 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vibe-Beep 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vibe-Beep 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Look Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Indefinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CfgFile</name>
    <message>
        <location filename="../config/CfgFile.cpp" line="+21"/>
        <location line="+6"/>
        <location line="+7"/>
        <location line="+5"/>
        <source>Could not read from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It is larger than %1 MB, far larger than any configuration file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Could not write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+94"/>
        <source>The %1 holds the character %2, which Tavrin cannot take.
Please replace it; the file was not loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The %1 is %2 characters long; its field takes at most %3.
Please shorten it; the file was not loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The %1 holds the character &quot;%2&quot;, which Tavrin cannot take.
Please replace it; the file was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../config/CfgFile.h" line="+63"/>
        <source>Unable to load config file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to save config file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliAllUnits</name>
    <message>
        <location filename="../cli/CliAllUnits.cpp" line="+72"/>
        <source> (port %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+157"/>
        <source>No Tavrin device found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-22"/>
        <source>%1 holds {n} in a message text, but the units are not numbered; nothing was sent. Number them with --number-from N or --numbers LIST.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-73"/>
        <location line="+168"/>
        <source>left out (--exclude-serial)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-166"/>
        <location line="+166"/>
        <source>skipped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-160"/>
        <location line="+167"/>
        <source>FAILED: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-163"/>
        <source>written and verified (%1 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>written (not verified) (%1 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 written and verified, %2 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 written (not verified), %2 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-64"/>
        <source>, %1 skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>writing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Waiting for units; Ctrl+C to stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+191"/>
        <source>The folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source> / Nothing was saved; --allow-incomplete saves them with their defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its serial number &quot;%1&quot; cannot name a file; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>another unit has the same serial number; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 saved, %2 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: file %2, Tavrin %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>cannot be compared: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>differs: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 match, %2 differ, %3 failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliApp</name>
    <message>
        <location filename="../cli/CliApp.cpp" line="+128"/>
        <source>Several Tavrin units are attached; choose one with --device PATH or --serial SERIAL. Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No Tavrin unit is attached at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No attached Tavrin unit has the serial number %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Several attached Tavrin units have the serial number %1; choose one with --device PATH.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No Tavrin unit is attached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No Tavrin device found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not every attached unit answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Nothing was written; --allow-incomplete writes them with their defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+71"/>
        <source>The unit cannot be compared with %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-7"/>
        <source>matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+79"/>
        <source>station needs --log LOG: the log of the units provisioned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 needs a whole number of at least %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Cannot compare: %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliCommandLine</name>
    <message>
        <location filename="../cli/CliCommandLine.cpp" line="+58"/>
        <source>Show the attached unit&apos;s model, firmware and serial number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the unit&apos;s settings as a configuration file (standard output, or -o FILE).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write a configuration file into the unit, as Update does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List the settings of a configuration file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Program an Alpha pager through the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program a Zell pager or a coaster through the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-2"/>
        <source>List the settings in which two configuration files differ (exit status 1 when they do).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>List the attached units: device path, model, firmware and serial number; fails without any.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Read the unit and compare it with a configuration file, writing nothing (exit status 1 when it differs).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write and verify FILE into every unit attached and every unit plugged in until stopped, several at once, each once per plug-in; needs --log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <source>No command given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Usage: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+15"/>
        <source>%1 does not apply to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-11"/>
        <source>--transcript needs --simulate or --simulate-from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--device and --serial both choose the unit: give one of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--all takes every attached unit: --device and --serial do not go with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--exclude-serial goes with --all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>read --all needs -o FOLDER: a file per unit goes there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--number-from and --numbers both number the units: give one of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--exclude-serial is empty: give the unit&apos;s serial number (see list).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--%1 is empty: give the unit&apos;s %2 (see list).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>device path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Options of every command:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Also print the traces of the device talk on standard error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Talk to a virtual unit instead of USB: tavrin2, dalen or dalen2. It answers at once. Several models separated by commas (tavrin2,dalen) attach several units, with serial numbers 00012345, 00012346 and so on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The virtual unit (the first of several) starts with FILE&apos;s settings (and its model, unless --simulate is given).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Options of detect, read, write, check, program-alpha and program-zell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Write the file also when the unit did not report some settings (they keep their defaults); without it such a read fails and writes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Options of write:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do not read the unit back to check that it holds what was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Append a row for each unit tried to the provisioning log FILE (CSV; created with a header row), on disk before the unit&apos;s result is printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Number the units from N (1-9999): a Dalen unit&apos;s ID becomes its number, and {n} in a message text stands for it ({{ for a literal {).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number the units from a list, such as 12,14,20-35.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options of read, write and check:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every attached unit at once, one line each as it finishes, then a summary (read: -o names a folder, one file per unit named by serial number).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>With --all: leave the unit with this serial number alone (may be given more than once).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Options of detect, show, diff, list and check, and of read and write with --all:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Options of station:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Required: the provisioning log, as with write. Units it shows verified with the same profile are left alone; one station per log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write units the log shows verified with this profile again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave the unit with this serial number alone (may be given more than once).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop after N units were verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop after SECONDS in which no unit was in flight and none was plugged in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>As with write; a number is used up only by a verified unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>As with write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One object per unit, then a summary object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Without --number-from or --numbers, numbering continues after the highest number of the log, if it holds any. Stops on SIGINT or SIGTERM after the units in flight; a second signal stops at once. Exit status 0 when no unit failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Exit status: 0 on success, 1 when the unit or a file failed, 2 for a wrong command line or when several units are attached and none was chosen. diff: 0 when the files hold the same settings, 1 when they differ, 2 when a file cannot be read. check: 1 also when a unit differs. With --all: 1 when any unit failed or none is attached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-118"/>
        <source>Write every line the virtual unit received to FILE, one per line (a line break in a line as \n), also on failure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Use the unit at this device path (see list).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use the unit with this serial number (see list).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>With several units attached one of these is required: the command refuses and lists them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Options of read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write the configuration file to FILE (replaced only when complete).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Print JSON for scripts (with --all: one object per unit, then a summary object; check of one unit: that unit&apos;s object, as with --all).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Print only each unit&apos;s end and the summary: no line when the station starts waiting or a unit&apos;s write begins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Options of program-alpha:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pager number, 1-9999 (100-9999 with group paging on). Required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All page ID, 1-9999 (default 911).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+18"/>
        <source>System ID, 0-13 (default 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Welcome message: at most 3 lines and 48 characters, no comma; \n starts a new line, \\ is a backslash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group paging (default off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Group %1: pager 0-98 (0 = not used), name of at most %2 characters without comma. Needs group paging on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Options of program-zell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pager or coaster number, 1-9999. Required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program a Zell pager or a coaster (default zell).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A guest or a manager Zell pager (default guest).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vibration (default on).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Usage: %1 [options] COMMAND [ARGUMENTS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configures the attached Tavrin unit from the command line, for installers who set up many units,
and lists and compares configuration files (.t2c) of the window and of this command.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliSimulation</name>
    <message>
        <location filename="../cli/CliSimulation.cpp" line="+39"/>
        <source>Unknown model &quot;%1&quot; for --simulate: use tavrin2, dalen or dalen2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 holds the settings of no model the virtual unit can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--simulate %1 is another model than the settings of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The virtual unit cannot take the settings of %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliStationCommand</name>
    <message>
        <location filename="../cli/CliStationCommand.cpp" line="+91"/>
        <source>%1 was already provisioned with this profile on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Stopping after the units in flight; a second signal stops at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Stopped at once; left unverified: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <location filename="../app/FirmwareUpgrade.cpp" line="+17"/>
        <source>For DalenTavrin - Please unplug then re-plug USB cable.

For TavrinII - Momentarily press the Acknowledgment button on the side.

NOTE: if &quot;New Hardware Wizard&quot; comes up, do following:
1) Select option &quot;No, not At this time&quot; then Next
2) Select &quot;Install from a list or specific location (Advanced)&quot; then Next
3) request to search in the following directory:
&quot;C:\Program Files\Atmel\Flip 3.3.1\usb&quot; then Next, then Finish
4) Wait until popup says new hardware is ready to use, then press OK below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>For DalenTavrin - Please unplug then re-plug USB cable.

For TavrinII - Momentarily press the Acknowledgment button on the side.

NOTE: the update is written with dfu-programmer, which must be installed.
Without root, the udev rule 70-tavrin.rules (installed with this utility)
lets your user reach the boot loader (USB device 03eb:2ff9).
Wait a few seconds for the boot loader to attach, then press OK below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Updating Firmware...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Start boot-loader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Waiting for the boot loader: %1 s (at most %2 s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Writing the firmware...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose a firmware file to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware files (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File: %1, has wrong filename format.
Do you want to load it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The firmware update is complete.
Please unplug then re-plug USB cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+19"/>
        <source>Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The flashing tool %1 could not be started:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmProgramPagers</name>
    <message>
        <location filename="../pagers/FrmProgramPagers.cpp" line="+97"/>
        <source>Program Pagers stays open until the pager is programmed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+17"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Invalid Welcome Message text...
up to 3 lines and 48 characters max
- no commas allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Alpha pager %1 programmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Coaster %1 programmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zell pager %1 programmed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmProvisionUnits</name>
    <message>
        <location filename="../app/FrmProvisionUnits.cpp" line="+61"/>
        <source>Provision Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+303"/>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-301"/>
        <source>Finishes the units being written, then stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+59"/>
        <source>The profile&apos;s messages hold {n}, which only numbered units can take: every unit would get it as it stands. Number the units, or take {n} out of the messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The &amp;form&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A configuration f&amp;ile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;hoose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ch&amp;oose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Log file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Numbering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Number the units from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>First unit number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each unit gets the next number: a Dalen unit&apos;s ID, and {n} in the profile&apos;s messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Units left as they are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>serial numbers, such as 00012345 00012346</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial numbers of units left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Le&amp;ave out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The reference unit stays attached without being written. A unit plugged in later can also be left out from its row while it waits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/FrmProvisionUnitsRows.cpp" line="+36"/>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Leave &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The selected unit is not written (the reference unit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Try &amp;Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The selected unit, which failed, is written again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/FrmProvisionUnits.cpp" line="+32"/>
        <source>%1, profile %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Load File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choose a profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tavrin Config (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+65"/>
        <location line="+13"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-71"/>
        <source>A configuration f&amp;ile (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Log File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log the units to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Provisioning log (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Profile: %1 (%2); log: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the form&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+41"/>
        <source>Stopping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/FrmProvisionUnitsRows.cpp" line="+37"/>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>verifying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>already provisioned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unplugged before it was verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Progress of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Verified: %1    Failed: %2    Skipped: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Elapsed: %1:%2:%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmTavrin2Qt</name>
    <message>
        <location filename="../app/FrmTavrin2Qt.cpp" line="+34"/>
        <source>VIBE 1</source>
        <comment>zell pgr vibration mode 1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VIBE 2</source>
        <comment>zell pgr vibration mode 2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VIBE 3</source>
        <comment>zell pgr vibration mode 3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 Sec</source>
        <comment>guest pgr flash mode 1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 Sec</source>
        <comment>guest pgr flash mode 2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5 Min</source>
        <comment>guest pgr flash mode 3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid pager number, using default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid external input setting, using default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid pager type, using default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid pager mode, using default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to load config file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to save config file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The window stays open until the Tavrin operation has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Button %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>External input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+119"/>
        <source>%1 pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-118"/>
        <source>%1 setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+118"/>
        <source>%1 mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-117"/>
        <source>%1 Zell message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Alpha message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+114"/>
        <source>%1 message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-107"/>
        <location line="+19"/>
        <source>Low battery page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>Low battery pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>Low battery message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Acknowledge page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acknowledge pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acknowledge message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto on/off 1 enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto on/off 1 on time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto on/off 1 off time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto on/off 2 enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto on/off 2 on time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto on/off 2 off time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto on/off 3 enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto on/off 3 on time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto on/off 3 off time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondary page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondary pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel message enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Repage enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repage interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrin II unit with buttons 1 to 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dalen Tavrin - 2 Button unit with buttons 1 and 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dalen Tavrin unit with one button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To reset Tavrin, please remove
then re-attach Tavrin to PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/FrmTavrin2QtDetection.cpp" line="+133"/>
        <source>%1, serial number %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, not answering (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Several Tavrin Devices Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/FrmTavrin2Qt.cpp" line="-7"/>
        <source>USB Tavrin Configuration Utility
Version %1
Version Date: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/FrmTavrin2QtDetection.cpp" line="-20"/>
        <source>Another Tavrin Device Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Tavrin with serial number %1 is no longer attached.
Please select the Tavrin to use:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Tavrin with serial number %1 is no longer attached, and no other was chosen.
Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Please select the Tavrin to use:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No Tavrin Device Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select your Tavrin type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/FrmTavrin2QtActions.cpp" line="+39"/>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Settings written to %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Tavrin Config (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+37"/>
        <source>Save config file as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Load File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a config file to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>This file is not a Tavrin configuration, or it is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Loaded %1: settings of a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Loaded %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+49"/>
        <source>%1 was not loaded: a Tavrin operation is in progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/FrmTavrin2QtMapping.cpp" line="+68"/>
        <source>Not taken in the %1 field: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+305"/>
        <source>The configuration is incomplete: it holds %1 of %2 button settings
and %3 of %4 auto on/off times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Invalid Tavrin type detected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>You are trying to update a type %2
UI with a connected type %1 device.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmTavrin2QtBase</name>
    <message>
        <location filename="../app/FrmTavrin2QtBase.ui" line="+6"/>
        <source>Tavrin II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Buttons and Inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+434"/>
        <location line="+136"/>
        <location line="+278"/>
        <location line="+43"/>
        <location line="+244"/>
        <location line="+37"/>
        <location line="+30"/>
        <location line="+43"/>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ENABLED&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1239"/>
        <location line="+440"/>
        <location line="+408"/>
        <location line="+43"/>
        <location line="+65"/>
        <location line="+53"/>
        <location line="+126"/>
        <location line="+67"/>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;PAGER&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1196"/>
        <location line="+440"/>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;TYPE&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-434"/>
        <location line="+440"/>
        <location line="+516"/>
        <location line="+53"/>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MODE&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1003"/>
        <location line="+440"/>
        <location line="+396"/>
        <location line="+43"/>
        <location line="+65"/>
        <location line="+53"/>
        <location line="+157"/>
        <location line="+36"/>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MESSAGE&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1184"/>
        <source>&lt;p align=&quot;left&quot;&gt;1&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check to enable button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pager # to page for button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pager type to page for button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <source>Zell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-440"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <source>Alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-440"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <source>Guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-436"/>
        <source>Pager mode to use with page for button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Alpha pager type messsage for button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Zell pager type messsage for button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-440"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <location line="+61"/>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-501"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <location line="+82"/>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-522"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <location line="+103"/>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-543"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-440"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-440"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-440"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-440"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-440"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+79"/>
        <location line="+125"/>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-426"/>
        <source>&lt;p align=&quot;left&quot;&gt;2&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check to enable button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pager # to page for button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pager type to page for button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pager mode to use with page for button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Alpha pager type messsage for button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Zell pager type messsage for button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&lt;p align=&quot;left&quot;&gt;3&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check to enable button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pager # to page for button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pager type to page for button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pager mode to use with page for button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Alpha pager type messsage for button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Zell pager type messsage for button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&lt;p align=&quot;left&quot;&gt;4&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check to enable button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pager # to page for button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pager type to page for button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pager mode to use with page for button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Alpha pager type messsage for button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Zell pager type messsage for button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&lt;p align=&quot;left&quot;&gt;5&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check to enable button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pager # to page for button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pager type to page for button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pager mode to use with page for button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Alpha pager type messsage for button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Zell pager type messsage for button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>External Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;SETTING&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Check to enable external input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Page setting for external input - page on open-to-close or close-to-open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normally Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normally Closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pager # to page upon external input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pager type to page upon external input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pager mode to use with external input page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Alpha pager type messsage for external input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Zell pager type messsage for external input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Advanced Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Auto On / Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ON&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;OFF&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Check to enable auto on/off 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Turn Tavrin on - time 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Turn Tavrin off - time 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Check to enable auto on/off 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Turn Tavrin on - time 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Turn Tavrin off - time 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Check to enable auto on/off 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Turn Tavrin on - time 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Turn Tavrin off - time 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lockout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+116"/>
        <location line="+30"/>
        <location line="+301"/>
        <location line="+13"/>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-455"/>
        <source>&lt;b&gt;LOCKOUT SETTINGS&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;b&gt;LOCKOUT SEQUENCE&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Indefinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+122"/>
        <location line="+443"/>
        <source> (seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-562"/>
        <source>Lockout duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>First (of 3) page button to press to lockout Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Second (of 3) page button to press to lockout Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Third (of 3) page button to press to lockout Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+331"/>
        <source>System ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-325"/>
        <location line="+331"/>
        <source>System ID Tavrin pages to - should match pager system ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-317"/>
        <location line="+331"/>
        <source>Group Paging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-326"/>
        <location line="+331"/>
        <source>Check to enable group paging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-319"/>
        <location line="+491"/>
        <source>Upgrade Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-487"/>
        <location line="+491"/>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-490"/>
        <location line="+491"/>
        <source>Push to upgrade firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-483"/>
        <location line="+438"/>
        <source>Repage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-432"/>
        <location line="+449"/>
        <source>Check to enable repaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-444"/>
        <source>&lt;b&gt;INTERVAL&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+443"/>
        <source>Interval at which to repage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-423"/>
        <location line="+354"/>
        <source>Low Battery Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-332"/>
        <location line="+43"/>
        <source>Check to enable low battery page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+43"/>
        <source>Pager # to page if low battery page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-37"/>
        <location line="+43"/>
        <source>Message to send with low battery page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Acknowledge Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+53"/>
        <source>Pager # to page when button pushed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+53"/>
        <source>Message sent when button pushed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-48"/>
        <location line="+53"/>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Vibe 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Vibe 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Vibe 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Beep 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Beep 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Beep 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Vibe-Beep 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Vibe-Beep 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Vibe-Beep 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Look Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-45"/>
        <source>Button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Dalen Tavrin ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Number sent with message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check to enable beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Secondary Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+37"/>
        <location line="+36"/>
        <source>Check to enable alert page if low battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-66"/>
        <location line="+73"/>
        <source>Pager # to page when low battery page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Cancel Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+43"/>
        <source>Message sent with low batttery page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;INTERVAL&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Read
Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Push to read current settings from Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Update
Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Push to send current settings to Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&lt;p align=&quot;right&quot;&gt;Serial Number:&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Tavrin&apos;s serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p align=&quot;right&quot;&gt;Firmware:&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Tavrin&apos;s firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;b&gt;With group paging enabled, pager numbers 1-98 will page groups.&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Select Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Load Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load existing Tavrin configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save current settings to Tavrin configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit from application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tavrin II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Dalen Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Select Tavrin II device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Dalen Tavrin device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dalen Tavrin - &amp;2 Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Select Dalen Tavrin - 2 Button Device </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Program Pagers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program pagers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pro&amp;vision Units...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program every unit plugged in with one profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset Tavrin device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Displays application info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Initialize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/FrmTavrin2QtBase.cpp" line="+140"/>
        <source>Alt+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+U</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HubStation</name>
    <message>
        <location filename="../provisioning/HubStation.cpp" line="+334"/>
        <source>The log %1 cannot be written (%2); no more units are started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../provisioning/HubStation.h" line="+65"/>
        <source>stopped before it was verified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Latin1Text</name>
    <message>
        <location filename="../config/Latin1Text.h" line="+52"/>
        <source> (tab)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> (line feed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> (carriage return)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PagerOptions</name>
    <message>
        <location filename="../cli/PagerOptions.cpp" line="+46"/>
        <source>A coaster is always a guest: --who manager needs --kind zell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Invalid Welcome Message text...
up to 3 lines and 48 characters max
- no commas allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--%1 takes a number from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--%1 is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--%1 takes %2 or %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--%1 needs --group-paging on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--%1 takes a pager number from %2 to %3 (0 = not used), then a comma and the group&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Group names may not contain commas (--%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The name of group %1 takes at most %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProvisionLog</name>
    <message>
        <location filename="../provisioning/ProvisionLog.cpp" line="+175"/>
        <location line="+56"/>
        <location line="+70"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>Could not write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-131"/>
        <location line="+19"/>
        <source>The log %1 is in use by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+72"/>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the disk quota is used up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file system is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is as large as the system lets it grow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Could not write to %1: the folder %2 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not write to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 is not a regular file; the log must be one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is not a provisioning log of this program: its first line is not the log&apos;s header. Choose a new file, or a log this program wrote.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 holds %2 MiB, more than a provisioning log may (%3 MiB); start a new log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+33"/>
        <source>Could not read from %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProvisionPolicy</name>
    <message>
        <location filename="../provisioning/ProvisionPolicy.cpp" line="+18"/>
        <source>%1 holds values out of range; nothing was sent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2 (allowed: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: %2 characters (at most %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 holds messages longer than their fields take; nothing was sent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+108"/>
        <source>already provisioned with this profile on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../provisioning/ProvisionPolicy.h" line="+118"/>
        <source>left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This unit reports no serial number; it cannot be told apart from others, so nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Another unit in flight, at %1, reports the same serial number %2; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../app/FrmTavrin2Qt.cpp" line="-253"/>
        <source>Tavrin II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dalen Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dalen Tavrin - 2 Button</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsPrinter</name>
    <message>
        <location filename="../cli/SettingsPrinter.cpp" line="+43"/>
        <source>(out of range; allowed: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1: %2, not answering (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2, firmware %3, serial number %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../cli/SettingsPrinter.h" line="+32"/>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tavrin2QtCfg</name>
    <message>
        <location filename="../config/CfgArchive.cpp" line="+427"/>
        <source>Tavrin2QtCfg::freeze(): Got archive_exception (%1 = %2)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Tavrin2QtCfg::thaw(): Got archive exception (%1 = %2)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tavrin2QtCfg::thaw(): Got another exception while reading:
%1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tavrin2QtComm</name>
    <message>
        <location filename="../protocol/Tavrin2QtCommIdentify.cpp" line="+29"/>
        <source>Several Tavrin devices are attached and none was chosen.
Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+129"/>
        <source>The Tavrin with serial number %1 answers in place of the one with serial number %2.
Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../protocol/Tavrin2QtComm.cpp" line="+112"/>
        <source>Dalen Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dalen Tavrin - 2 Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tavrin II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Tavrin is busy with another operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reading Tavrin...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="+219"/>
        <source>Please Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Settings report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="-136"/>
        <source>The Alpha message of the External input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Alpha message of Button %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../protocol/Tavrin2QtComm.cpp" line="-125"/>
        <source>Tavrin refused %1 (%2), answering &quot;%3&quot;.
The commands before it were applied; the ones after it were not sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="+44"/>
        <source>You are trying to program a %1
device with the %2 UI selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Repage is on but the Acknowledge page is off: Tavrin II switches both with one setting, so Repage would be off after the update.
Please turn the Acknowledge page on, or Repage off; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Updating Dalen Tavrin...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Updating Tavrin II...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+9"/>
        <source>Programming pager...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>The message of Button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The message of the Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The message of Button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>An unused button, switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+65"/>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+52"/>
        <source>The Low battery page message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-44"/>
        <source>The Cancel message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>These settings hold %1 button entries and %2 automatic on/off times; Tavrin II needs %3 and %4.
Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Acknowledge page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Acknowledge page message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pager number, all-page ID and system ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The Welcome message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Welcome message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Group %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Group %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Group %1 pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Pager number, system ID and options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../protocol/Tavrin2QtCommParse.cpp" line="+321"/>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="-142"/>
        <source>Dalen Tavrin ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="+4"/>
        <location line="+64"/>
        <source>System ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="-43"/>
        <location line="+54"/>
        <source>Repage interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="-84"/>
        <source>Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="+0"/>
        <source>Button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="+1"/>
        <source>Button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="-184"/>
        <source>Button %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="+0"/>
        <source>External input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="+287"/>
        <source>Auto on/off %1 on time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="+3"/>
        <source>Auto on/off %1 off time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="+5"/>
        <source>Lockout sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="+2"/>
        <source>Lockout time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Acknowledge page and repage enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="-81"/>
        <location line="+54"/>
        <source>Repage enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="-49"/>
        <source>Beep enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="-2"/>
        <location line="+54"/>
        <source>Group paging enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="-48"/>
        <location line="+52"/>
        <source>Low battery page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="-48"/>
        <source>Secondary page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../protocol/Tavrin2QtCommUpdate.cpp" line="+5"/>
        <source>Cancel message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Tavrin&apos;s answer lacked these settings, which show their defaults instead of the unit&apos;s:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../protocol/Tavrin2QtCommVerify.cpp" line="+67"/>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Model: sent %1, Tavrin holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: sent %2, Tavrin holds %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Tavrin answered every command, but when read back it did not report these settings, so the update could not be checked:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tavrin answered every command, but when read back it does not hold these settings:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitNumbering</name>
    <message>
        <location filename="../provisioning/UnitNumbering.cpp" line="+26"/>
        <source>&quot;%1&quot; is not a list of numbers such as 12,14,20-35.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+24"/>
        <source>The number %1 is outside %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The number %1 is given twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../provisioning/UnitNumbering.h" line="+51"/>
        <source>no number left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitTextValidator</name>
    <message>
        <location filename="../uisupport/UnitTextValidator.cpp" line="+44"/>
        <source>%1: Tavrin cannot take characters beyond Latin-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: Tavrin cannot show control characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;,&quot;: a comma would start another field of Tavrin&apos;s command</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitWorker</name>
    <message>
        <location filename="../provisioning/UnitWorker.cpp" line="+52"/>
        <source>With number %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unexpected failure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+61"/>
        <source>This unit is a %1 and the profile is for a %2; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The %1 is %2 characters long; its field takes at most %3. Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unplugged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../provisioning/UnitWorker.h" line="+149"/>
        <source>unplugged before it was verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It now holds number %1: plug it in again to finish it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UsbHid</name>
    <message>
        <location filename="../usb/HidapiBackend.cpp" line="+218"/>
        <source>The Tavrin device took %1 of %2 bytes of a report.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Permission denied opening the Tavrin device. Install the udev rule 70-tavrin.rules (see README) and re-plug the device.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../usb/UsbHid.cpp" line="+18"/>
        <source>HID.DLL failed to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SETUPAPI.DLL failed to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HidD_GetHidGuid not found in HID.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HidD_GetAttributes not found in HID.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SetupDiDestroyDeviceInfoList not found in SETUPAPI.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SetupDiEnumDeviceInterfaces not found in SETUPAPI.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SetupDiGetClassDevsA not found in SETUPAPI.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SetupDiGetDeviceInterfaceDetailA not found in SETUPAPI.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No Tavrin device found
Please verify Tavrin is connected to PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SetupDiGetClassDevs failed to open handle to device set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SetupDiGetDeviceInterfaceDetail failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>getHidGuid passed in NULL guid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WriteFile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ReadFile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GetOverlappedResult failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost communication to Tavrin
Please remove then re-attach Tavrin to PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrin response indicates an error was
encountered performing current operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Detected software version is not supported.
Please contact Orvenna to upgrade.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+158"/>
        <source>Command line too long for Tavrin (%1 characters, at most %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+71"/>
        <source>The Tavrin at %1 is in use by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-158"/>
        <source>WARNING: unknown exception</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkerPool</name>
    <message>
        <location filename="../provisioning/WorkerPool.cpp" line="+78"/>
        <source>its row could not be written to the log: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmProgramPagersBase</name>
    <message>
        <location filename="../pagers/frmProgramPagersBase.ui" line="+14"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+50"/>
        <source>Program Pagers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Zell / Coaster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+3"/>
        <source>Pager Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Zell / coaster pager # to program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+246"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <location line="+18"/>
        <source>System ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-240"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="-17"/>
        <source>Zell / coaster pager&apos;s system ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Zell Pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Select to program zell pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Coaster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Select to program coaster pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Who</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Select to indicate guest zell pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Select to indicate manager zell pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Vibe On / Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Select to enable pager vibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Select to disable pager vibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="-20"/>
        <source>Alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+24"/>
        <source>Pager Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>PAGER:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Alpha pager # to program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>ALL PAGE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>ID to program for all page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="-5"/>
        <source>Alpha pager&apos;s system ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+51"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+6"/>
        <location line="+3"/>
        <source>Group Paging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-45"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="-2"/>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Check to enable group paging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+23"/>
        <source>Welcome Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Message that will appear after re-inserting Alpha pager battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="-22"/>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Group 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+2"/>
        <source>Group 1 pager #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+39"/>
        <location line="+39"/>
        <location line="+39"/>
        <location line="+39"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="-1"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-149"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="-14"/>
        <source>Group 1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Group 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+2"/>
        <source>Group 2 pager #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Group 2 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Group 3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+2"/>
        <source>Group 3 pager #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Group 3 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Group 4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+2"/>
        <source>Group 4 pager #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Group 4 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Group 5:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+2"/>
        <source>Group 5 pager #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+1"/>
        <source>Group 5 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+72"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+5"/>
        <source>Push to program current settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="-1"/>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+3"/>
        <source>Push to exit program pagers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="-1"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+71"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+2"/>
        <source>With group paging enabled, pager numbers 1-98 will page groups.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
