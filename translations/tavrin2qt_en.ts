<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FrmProgramPagers</name>
    <message>
        <location filename="../pagers/FrmProgramPagers.cpp" line="+104"/>
        <location line="+9"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Invalid Welcome Message text...
up to 3 lines and 48 characters max
- no commas allowed</source>
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
        <location line="+246"/>
        <location line="+37"/>
        <location line="+30"/>
        <location line="+43"/>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ENABLED&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1241"/>
        <location line="+440"/>
        <location line="+408"/>
        <location line="+43"/>
        <location line="+65"/>
        <location line="+53"/>
        <location line="+128"/>
        <location line="+67"/>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;PAGER&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1198"/>
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
        <location line="+159"/>
        <location line="+36"/>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MESSAGE&lt;/b&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1186"/>
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
        <location line="+302"/>
        <location line="+14"/>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-457"/>
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
        <location line="+445"/>
        <source> (seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-564"/>
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
        <location line="+332"/>
        <source>Check to enable group paging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-320"/>
        <location line="+493"/>
        <source>Upgrade Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-489"/>
        <location line="+493"/>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-492"/>
        <location line="+493"/>
        <source>Push to upgrade firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-485"/>
        <location line="+440"/>
        <source>Repage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-434"/>
        <location line="+451"/>
        <source>Check to enable repaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-446"/>
        <source>&lt;b&gt;INTERVAL&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+445"/>
        <source>Interval at which to repage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-425"/>
        <location line="+356"/>
        <source>Low Battery Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-334"/>
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
        <location line="+48"/>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
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
        <location line="+57"/>
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
        <location line="+7"/>
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
        <location line="+10"/>
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
        <source>T&amp;avrin II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Tavrin II device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>D&amp;alen Tavrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
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
</context>
<context>
    <name>Tavrin2QtCfg</name>
    <message>
        <location filename="../config/CfgArchive.cpp" line="+391"/>
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
        <location filename="../protocol/Tavrin2QtComm.cpp" line="+50"/>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../protocol/Tavrin2QtCommFirmware.cpp" line="+21"/>
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
        <location line="+59"/>
        <source>Updating Firmware...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Start boot-loader</source>
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
        <location line="+72"/>
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
        <location line="+14"/>
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
    <name>UsbHid</name>
    <message>
        <location filename="../usb/HidapiBackend.cpp" line="+170"/>
        <source>Permission denied opening the Tavrin device. Install the udev rule 70-tavrin.rules (see README) and re-plug the device.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../usb/UsbHid.cpp" line="+16"/>
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
        <location line="+134"/>
        <source>Command line too long for Tavrin (%1 characters, at most %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>WARNING: unknown exception</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmProgramPagersBase</name>
    <message>
        <location filename="../pagers/frmProgramPagersBase.ui" line="+14"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+42"/>
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
        <location line="+48"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+6"/>
        <location line="+3"/>
        <source>Group Paging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-42"/>
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
        <location line="+6"/>
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
        <location line="+36"/>
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
        <location line="-146"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="-14"/>
        <source>Group 1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
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
        <location line="+68"/>
        <location filename="../pagers/frmProgramPagersBase.cpp" line="+2"/>
        <source>With group paging enabled, pager numbers 1-98 will page groups.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
