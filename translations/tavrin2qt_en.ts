<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CfgFieldList</name>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off %1 enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off %1 on time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off %1 off time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lockout time (seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lockout sequence 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lockout sequence 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lockout sequence 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group paging enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repage enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repage interval (seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low battery page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low battery page pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low battery page message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledge page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledge page pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledge page message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dalen Tavrin ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary page pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel message enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1, 2 or 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIBE 1</source>
        <comment>zell pgr vibration mode 1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIBE 2</source>
        <comment>zell pgr vibration mode 2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIBE 3</source>
        <comment>zell pgr vibration mode 3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Sec</source>
        <comment>guest pgr flash mode 1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 Sec</source>
        <comment>guest pgr flash mode 2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Min</source>
        <comment>guest pgr flash mode 3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normally Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normally Closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe-Beep 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe-Beep 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe-Beep 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indefinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CfgFile</name>
    <message>
        <source>Could not read from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than %1 MB, far larger than any configuration file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 holds the character %2, which Tavrin cannot take.
Please replace it; the file was not loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 holds the character &quot;%2&quot;, which Tavrin cannot take.
Please replace it; the file was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load config file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save config file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The %1 is %n characters long; its field takes at most %2.
Please shorten it; the file was not loaded.</source>
        <translation>
            <numerusform>The %1 is %n character long; its field takes at most %2.
Please shorten it; the file was not loaded.</numerusform>
            <numerusform>The %1 is %n characters long; its field takes at most %2.
Please shorten it; the file was not loaded.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Tavrin configuration file (it could not be read as one: %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliAllUnits</name>
    <message>
        <source> (port %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Tavrin device found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds {n} in a message text, but the units are not numbered; nothing was sent. Number them with --number-from N or --numbers LIST.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left out (--exclude-serial)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written and verified (%1 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written (not verified) (%1 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 written and verified, %2 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 written (not verified), %2 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for units; Ctrl+C to stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its serial number &quot;%1&quot; cannot name a file; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another unit has the same serial number; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 saved, %2 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be compared: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 match, %2 differ, %3 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for units (%1 to do); Ctrl+C to stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 to do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was saved; --allow-incomplete saves them with their defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: file holds %2, Tavrin holds %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliApp</name>
    <message>
        <source>Several Tavrin units are attached; choose one with --device PATH or --serial SERIAL. Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Tavrin unit is attached at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No attached Tavrin unit has the serial number %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several attached Tavrin units have the serial number %1; choose one with --device PATH.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Tavrin unit is attached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Tavrin device found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not every attached unit answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written; --allow-incomplete writes them with their defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit cannot be compared with %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>station needs --log LOG: the log of the units provisioned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a whole number of at least %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot compare: %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliCommandLine</name>
    <message>
        <source>Show the attached unit&apos;s model, firmware and serial number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the unit&apos;s settings as a configuration file (standard output, or -o FILE).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a configuration file into the unit, as Update does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the settings of a configuration file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program an Alpha pager through the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program a Zell pager or a coaster through the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the settings in which two configuration files differ (exit status 1 when they do).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the attached units: device path, model, firmware and serial number; fails without any.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the unit and compare it with a configuration file, writing nothing (exit status 1 when it differs).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write and verify FILE into every unit attached and every unit plugged in until stopped, several at once, each once per plug-in; needs --log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--transcript needs --simulate or --simulate-from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--device and --serial both choose the unit: give one of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--all takes every attached unit: --device and --serial do not go with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exclude-serial goes with --all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read --all needs -o FOLDER: a file per unit goes there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--number-from and --numbers both number the units: give one of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exclude-serial is empty: give the unit&apos;s serial number (see list).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is empty: give the unit&apos;s %2 (see list).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of every command:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also print the traces of the device talk on standard error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk to a virtual unit instead of USB: tavrin2, dalen or dalen2. It answers at once. Several models separated by commas (tavrin2,dalen) attach several units, with serial numbers 00012345, 00012346 and so on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The virtual unit (the first of several) starts with FILE&apos;s settings (and its model, unless --simulate is given).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of detect, read, write, check, program-alpha and program-zell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the file also when the unit did not report some settings (they keep their defaults); without it such a read fails and writes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of write:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not read the unit back to check that it holds what was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append a row for each unit tried to the provisioning log FILE (CSV; created with a header row), on disk before the unit&apos;s result is printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number the units from N (1-9999): a Dalen unit&apos;s ID becomes its number, and {n} in a message text stands for it ({{ for a literal {).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of read, write and check:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every attached unit at once, one line each as it finishes, then a summary (read: -o names a folder, one file per unit named by serial number).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --all: leave the unit with this serial number alone (may be given more than once).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of detect, show, diff, list and check, and of read and write with --all:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of station:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required: the provisioning log, as with write. Units it shows verified with the same profile are left alone; one station per log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write units the log shows verified with this profile again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the unit with this serial number alone (may be given more than once).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop after SECONDS in which no unit was in flight and none was plugged in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As with write; a number is used up only by a verified unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One object per unit, then a summary object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without --number-from or --numbers, numbering continues after the highest number of the log, if it holds any. Stops on SIGINT or SIGTERM after the units in flight; a second signal stops at once. Exit status 0 when no unit failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 1 when the unit or a file failed, 2 for a wrong command line or when several units are attached and none was chosen. diff: 0 when the files hold the same settings, 1 when they differ, 2 when a file cannot be read. check: 1 also when a unit differs. With --all: 1 when any unit failed or none is attached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write every line the virtual unit received to FILE, one per line (a line break in a line as \n), also on failure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the unit at this device path (see list).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the unit with this serial number (see list).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With several units attached one of these is required: the command refuses and lists them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the configuration file to FILE (replaced only when complete).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print JSON for scripts (with --all: one object per unit, then a summary object; check of one unit: that unit&apos;s object, as with --all).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print only each unit&apos;s end and the summary: no line when the station starts waiting or a unit&apos;s write begins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of program-alpha:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager number, 1-9999 (100-9999 with group paging on). Required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All page ID, 1-9999 (default 911).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System ID, 0-13 (default 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome message: at most 3 lines and 48 characters, no comma; \n starts a new line, \\ is a backslash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group paging (default off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group %1: pager 0-98 (0 = not used), name of at most %2 characters without comma. Needs group paging on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of program-zell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager or coaster number, 1-9999. Required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program a Zell pager or a coaster (default zell).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A guest or a manager Zell pager (default guest).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibration (default on).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options] COMMAND [ARGUMENTS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configures the attached Tavrin unit from the command line, for installers who set up many units,
and lists and compares configuration files (.t2c) of the window and of this command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A numbered check takes the numbers from the log: check --all --log LOG with --number-from N or --numbers LIST.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check takes --log only for a numbered check, with --number-from N or --numbers LIST.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of write, and of check with --all:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number the units from a list, such as 12,14,20-35; the summary says how many of them are left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check --all with --log and --number-from or --numbers checks a numbered batch: each unit against FILE with the number the log gave it; a unit the log did not number with FILE fails.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop after N units were verified; the first line and the summary say how many remain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As with write; when they run out the station takes no more units, finishes those in flight and exits with status 1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliSimulation</name>
    <message>
        <source>Unknown model &quot;%1&quot; for --simulate: use tavrin2, dalen or dalen2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds the settings of no model the virtual unit can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--simulate %1 is another model than the settings of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The virtual unit cannot take the settings of %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliStationCommand</name>
    <message>
        <source>%1 was already provisioned with this profile on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping after the units in flight; a second signal stops at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped at once; left unverified: %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For DalenTavrin - Please unplug then re-plug USB cable.

For TavrinII - Momentarily press the Acknowledgment button on the side.

NOTE: the update is written with dfu-programmer, which must be installed.
Without root, the udev rule 70-tavrin.rules (installed with this utility)
lets your user reach the boot loader (USB device 03eb:2ff9).
Wait a few seconds for the boot loader to attach, then press OK below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating Firmware...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start boot-loader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the boot loader: %1 s (at most %2 s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the firmware...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a firmware file to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware files (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: %1, has wrong filename format.
Do you want to load it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware update is complete.
Please unplug then re-plug USB cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The flashing tool %1 could not be started:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmProgramPagers</name>
    <message>
        <source>Program Pagers stays open until the pager is programmed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Welcome Message text...
up to 3 lines and 48 characters max
- no commas allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha pager %1 programmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coaster %1 programmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell pager %1 programmed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmProvisionUnits</name>
    <message>
        <source>Provision Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finishes the units being written, then stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile&apos;s messages hold {n}, which only numbered units can take: every unit would get it as it stands. Number the units, or take {n} out of the messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;form&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A configuration f&amp;ile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch&amp;oose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Number the units from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First unit number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each unit gets the next number: a Dalen unit&apos;s ID, and {n} in the profile&apos;s messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units left as they are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial numbers, such as 00012345 00012346</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial numbers of units left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le&amp;ave out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected unit, which failed, is written again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, profile %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin Config (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A configuration f&amp;ile (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log the units to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provisioning log (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile: %1 (%2); log: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the form&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verifying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already provisioned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unplugged before it was verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified: %1    Failed: %2    Skipped: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed: %1:%2:%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: these are the form&apos;s default settings, never read from a unit nor loaded from a file. Start would write factory defaults to every unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from unit %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The form&apos;s settings (edited).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The form&apos;s default settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System ID %1; button 1: pager %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System ID %1; button 1: pager %2, message “%3”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New rows are added to this log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new log is made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This log numbered its units up to %1; the numbers its units hold are passed over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This log numbered its units; the next unit gets %1. Ticking the box numbers from the number chosen instead, passing over the numbers the log&apos;s units hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1…” cannot be left out: a serial number has at most %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaves out 1 unit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaves out %1 units: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Lo&amp;g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Fol&amp;der</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program opens %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This log numbered its units up to %1: no number is left for the next unit. Tick the box to number from a number its units do not hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Stop first: 1 unit is being written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Stop first: %1 units are being written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A short sound when a unit is verified and when one fails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not started: the station was stopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already provisioned on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>superseded: verified on a later plug-in (here: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 unit being written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 units being written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for units — plug them in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The units with these serial numbers (the reference unit, for one) stay attached without being written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmTavrin2Qt</name>
    <message>
        <source>VIBE 1</source>
        <comment>zell pgr vibration mode 1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIBE 2</source>
        <comment>zell pgr vibration mode 2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIBE 3</source>
        <comment>zell pgr vibration mode 3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Sec</source>
        <comment>guest pgr flash mode 1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 Sec</source>
        <comment>guest pgr flash mode 2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Min</source>
        <comment>guest pgr flash mode 3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid pager number, using default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid external input setting, using default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid pager type, using default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid pager mode, using default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load config file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save config file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window stays open until the Tavrin operation has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Zell message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Alpha message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low battery page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low battery pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low battery message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledge page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledge pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledge message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off 1 enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off 1 on time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off 1 off time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off 2 enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off 2 on time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off 2 off time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off 3 enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off 3 on time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off 3 off time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel message enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repage enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repage interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin II unit with buttons 1 to 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dalen Tavrin - 2 Button unit with buttons 1 and 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dalen Tavrin unit with one button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To reset Tavrin, please remove
then re-attach Tavrin to PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, serial number %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, not answering (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several Tavrin Devices Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Tavrin Configuration Utility
Version %1
Version Date: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another Tavrin Device Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tavrin with serial number %1 is no longer attached.
Please select the Tavrin to use:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tavrin with serial number %1 is no longer attached, and no other was chosen.
Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the Tavrin to use:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Tavrin Device Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select your Tavrin type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings written to %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin Config (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save config file as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a config file to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a Tavrin configuration, or it is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded %1: settings of a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not loaded: a Tavrin operation is in progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not taken in the %1 field: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration is incomplete: it holds %1 of %2 button settings
and %3 of %4 auto on/off times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Tavrin type detected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are trying to update a type %2
UI with a connected type %1 device.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmTavrin2QtBase</name>
    <message>
        <source>Tavrin II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buttons and Inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ENABLED&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;PAGER&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;TYPE&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MODE&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MESSAGE&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;1&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager # to page for button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager type to page for button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;2&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager # to page for button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager type to page for button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;3&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager # to page for button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager type to page for button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;4&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager # to page for button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager type to page for button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;5&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager # to page for button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager type to page for button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;SETTING&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable external input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page setting for external input - page on open-to-close or close-to-open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normally Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normally Closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager # to page upon external input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager type to page upon external input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager mode to use with external input page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha pager type messsage for external input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell pager type messsage for external input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto On / Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ON&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;OFF&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable auto on/off 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Tavrin on - time 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Tavrin off - time 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable auto on/off 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Tavrin on - time 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Tavrin off - time 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable auto on/off 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Tavrin on - time 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Tavrin off - time 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;LOCKOUT SETTINGS&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;LOCKOUT SEQUENCE&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indefinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lockout duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First (of 3) page button to press to lockout Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second (of 3) page button to press to lockout Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third (of 3) page button to press to lockout Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System ID Tavrin pages to - should match pager system ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Paging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable group paging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push to upgrade firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable repaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;INTERVAL&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval at which to repage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Battery Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable low battery page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager # to page if low battery page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message to send with low battery page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledge Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager # to page when button pushed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message sent when button pushed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe-Beep 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe-Beep 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe-Beep 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dalen Tavrin ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number sent with message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable alert page if low battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager # to page when low battery page enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message sent with low batttery page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;INTERVAL&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read
Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push to read current settings from Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update
Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push to send current settings to Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;right&quot;&gt;Serial Number:&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin&apos;s serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;right&quot;&gt;Firmware:&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin&apos;s firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;With group paging enabled, pager numbers 1-98 will page groups.&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load existing Tavrin configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current settings to Tavrin configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit from application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tavrin II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dalen Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Tavrin II device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Dalen Tavrin device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dalen Tavrin - &amp;2 Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Dalen Tavrin - 2 Button Device </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Program Pagers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program pagers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;vision Units...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program every unit plugged in with one profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Tavrin device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays application info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+U</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HubStation</name>
    <message>
        <source>The log %1 cannot be written (%2); no more units are started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped before it was verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station takes no more units: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Latin1Text</name>
    <message>
        <source> (tab)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (line feed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (carriage return)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PagerOptions</name>
    <message>
        <source>A coaster is always a guest: --who manager needs --kind zell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Welcome Message text...
up to 3 lines and 48 characters max
- no commas allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes %2 or %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs --group-paging on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes a pager number from %2 to %3 (0 = not used), then a comma and the group&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group names may not contain commas (--%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of group %1 takes at most %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProvisionLog</name>
    <message>
        <source>Could not write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log %1 is in use by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is as large as the system lets it grow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write to %1: the folder %2 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file; the log must be one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a provisioning log of this program: its first line is not the log&apos;s header. Choose a new file, or a log this program wrote.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2 MiB, more than a provisioning log may (%3 MiB); start a new log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read from %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProvisionPolicy</name>
    <message>
        <source>%1 holds values out of range; nothing was sent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (allowed: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds messages longer than their fields take; nothing was sent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already provisioned with this profile on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This unit reports no serial number; it cannot be told apart from others, so nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another unit in flight, at %1, reports the same serial number %2; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n characters (at most %2)</source>
        <translation>
            <numerusform>%1: %n character (at most %2)</numerusform>
            <numerusform>%1: %n characters (at most %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>not provisioned with this profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>numbered %1, which is not one of the numbers checked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Tavrin II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dalen Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dalen Tavrin - 2 Button</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsPrinter</name>
    <message>
        <source>(out of range; allowed: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, not answering (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, firmware %3, serial number %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>No such file or directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tavrin2QtCfg</name>
    <message>
        <source>Tavrin2QtCfg::freeze(): Got archive_exception (%1 = %2)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin2QtCfg::thaw(): Got another exception while reading:
%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an XML document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends too early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an element is missing or out of place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not well-formed XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is an XML document of another kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value in it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tavrin2QtComm</name>
    <message>
        <source>Several Tavrin devices are attached and none was chosen.
Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tavrin with serial number %1 answers in place of the one with serial number %2.
Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dalen Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dalen Tavrin - 2 Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin is busy with another operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading Tavrin...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Alpha message of the External input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Alpha message of Button %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin refused %1 (%2), answering &quot;%3&quot;.
The commands before it were applied; the ones after it were not sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are trying to program a %1
device with the %2 UI selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repage is on but the Acknowledge page is off: Tavrin II switches both with one setting, so Repage would be off after the update.
Please turn the Acknowledge page on, or Repage off; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating Dalen Tavrin...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating Tavrin II...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming pager...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message of Button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message of the Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message of Button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unused button, switched off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Low battery page message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Cancel message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These settings hold %1 button entries and %2 automatic on/off times; Tavrin II needs %3 and %4.
Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledge page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Acknowledge page message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager number, all-page ID and system ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Welcome message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Group %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group %1 pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager number, system ID and options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dalen Tavrin ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repage interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off %1 on time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto on/off %1 off time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lockout sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lockout time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledge page and repage enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repage enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group paging enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low battery page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin&apos;s answer lacked these settings, which show their defaults instead of the unit&apos;s:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model: sent %1, Tavrin holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: sent %2, Tavrin holds %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin answered every command, but when read back it did not report these settings, so the update could not be checked:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin answered every command, but when read back it does not hold these settings:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contains a comma, which Tavrin would take as the start of another field.
Please remove it; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds the character &quot;%2&quot;, which Tavrin cannot take.
Please replace it; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds the control character %2, which Tavrin cannot show.
Please remove it; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds &quot;\f&quot;, which Tavrin takes as the start of the pager alert code: it would keep another message and alert.
Please remove it; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too long to send to Tavrin (its command would have %2 characters; a command may hold at most %3).
Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model: file holds %1, Tavrin holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: file holds %2, Tavrin holds %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitNumbering</name>
    <message>
        <source>&quot;%1&quot; is not a list of numbers such as 12,14,20-35.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number %1 is outside %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number %1 is given twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no number left in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitTextValidator</name>
    <message>
        <source>%1: Tavrin cannot take characters beyond Latin-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Tavrin cannot show control characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;,&quot;: a comma would start another field of Tavrin&apos;s command</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitWorker</name>
    <message>
        <source>With number %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected failure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This unit is a %1 and the profile is for a %2; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unplugged before it was verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It now holds number %1: plug it in again to finish it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The %1 is %n characters long; its field takes at most %2. Nothing was sent.</source>
        <translation>
            <numerusform>The %1 is %n character long; its field takes at most %2. Nothing was sent.</numerusform>
            <numerusform>The %1 is %n characters long; its field takes at most %2. Nothing was sent.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UsbHid</name>
    <message>
        <source>Permission denied opening the Tavrin device. Install the udev rule 70-tavrin.rules (see README) and re-plug the device.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HID.DLL failed to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SETUPAPI.DLL failed to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HidD_GetHidGuid not found in HID.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HidD_GetAttributes not found in HID.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetupDiDestroyDeviceInfoList not found in SETUPAPI.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetupDiEnumDeviceInterfaces not found in SETUPAPI.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetupDiGetClassDevsA not found in SETUPAPI.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetupDiGetDeviceInterfaceDetailA not found in SETUPAPI.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Tavrin device found
Please verify Tavrin is connected to PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetupDiGetClassDevs failed to open handle to device set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetupDiGetDeviceInterfaceDetail failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>getHidGuid passed in NULL guid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WriteFile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ReadFile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GetOverlappedResult failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost communication to Tavrin
Please remove then re-attach Tavrin to PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrin response indicates an error was
encountered performing current operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detected software version is not supported.
Please contact Orvenna to upgrade.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tavrin at %1 is in use by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING: unknown exception</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The Tavrin device took %1 of %n bytes of a report.
</source>
        <translation>
            <numerusform>The Tavrin device took %1 of %n byte of a report.
</numerusform>
            <numerusform>The Tavrin device took %1 of %n bytes of a report.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Command line too long for Tavrin (%n characters, at most %1)</source>
        <translation>
            <numerusform>Command line too long for Tavrin (%n character, at most %1)</numerusform>
            <numerusform>Command line too long for Tavrin (%n characters, at most %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowStopSignals</name>
    <message>
        <source>Stopped at once; left unverified: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkerPool</name>
    <message>
        <source>its row could not be written to the log: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmProgramPagersBase</name>
    <message>
        <source>Program Pagers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell / Coaster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell / coaster pager # to program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell / coaster pager&apos;s system ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zell Pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select to program zell pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coaster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select to program coaster pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select to indicate guest zell pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select to indicate manager zell pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibe On / Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select to enable pager vibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select to disable pager vibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAGER:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha pager # to program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALL PAGE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID to program for all page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha pager&apos;s system ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Paging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable group paging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message that will appear after re-inserting Alpha pager battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 1 pager #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 2 pager #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 2 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 3 pager #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 3 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 4 pager #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 4 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 5:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 5 pager #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group 5 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push to program current settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push to exit program pagers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With group paging enabled, pager numbers 1-98 will page groups.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
