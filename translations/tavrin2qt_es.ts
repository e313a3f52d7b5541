<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CfgFieldList</name>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Botón %1</translation>
    </message>
    <message>
        <source>External input</source>
        <translation>Entrada externa</translation>
    </message>
    <message>
        <source>Auto on/off %1 enabled</source>
        <translation>Encendido/apagado automático %1 activado</translation>
    </message>
    <message>
        <source>Auto on/off %1 on time</source>
        <translation>Encendido/apagado automático %1: hora de encendido</translation>
    </message>
    <message>
        <source>Auto on/off %1 off time</source>
        <translation>Encendido/apagado automático %1: hora de apagado</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Lockout time (seconds)</source>
        <translation>Tiempo de bloqueo (segundos)</translation>
    </message>
    <message>
        <source>Lockout sequence 1</source>
        <translation>Secuencia de bloqueo 1</translation>
    </message>
    <message>
        <source>Lockout sequence 2</source>
        <translation>Secuencia de bloqueo 2</translation>
    </message>
    <message>
        <source>Lockout sequence 3</source>
        <translation>Secuencia de bloqueo 3</translation>
    </message>
    <message>
        <source>System ID</source>
        <translation>ID de sistema</translation>
    </message>
    <message>
        <source>Group paging enabled</source>
        <translation>Aviso a grupos activado</translation>
    </message>
    <message>
        <source>Repage enabled</source>
        <translation>Repetición de aviso activada</translation>
    </message>
    <message>
        <source>Repage interval (seconds)</source>
        <translation>Intervalo de repetición de aviso (segundos)</translation>
    </message>
    <message>
        <source>Low battery page enabled</source>
        <translation>Aviso de batería baja activado</translation>
    </message>
    <message>
        <source>Low battery page pager</source>
        <translation>Buscapersonas del aviso de batería baja</translation>
    </message>
    <message>
        <source>Low battery page message</source>
        <translation>Mensaje del aviso de batería baja</translation>
    </message>
    <message>
        <source>Acknowledge page enabled</source>
        <translation>Aviso de confirmación activado</translation>
    </message>
    <message>
        <source>Acknowledge page pager</source>
        <translation>Buscapersonas del aviso de confirmación</translation>
    </message>
    <message>
        <source>Acknowledge page message</source>
        <translation>Mensaje del aviso de confirmación</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1: en uso</translation>
    </message>
    <message>
        <source>%1 setting</source>
        <translation>%1: ajuste</translation>
    </message>
    <message>
        <source>%1 pager</source>
        <translation>%1: buscapersonas</translation>
    </message>
    <message>
        <source>%1 type</source>
        <translation>%1: tipo</translation>
    </message>
    <message>
        <source>%1 mode</source>
        <translation>%1: modo</translation>
    </message>
    <message>
        <source>%1 message</source>
        <translation>%1: mensaje</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Botón 2</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Botón</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Botón 1</translation>
    </message>
    <message>
        <source>Dalen Tavrin ID</source>
        <translation>ID de Dalen Tavrin</translation>
    </message>
    <message>
        <source>Beep enabled</source>
        <translation>Pitido activado</translation>
    </message>
    <message>
        <source>Secondary page enabled</source>
        <translation>Aviso secundario activado</translation>
    </message>
    <message>
        <source>Secondary page pager</source>
        <translation>Buscapersonas del aviso secundario</translation>
    </message>
    <message>
        <source>Cancel message enabled</source>
        <translation>Mensaje de cancelación activado</translation>
    </message>
    <message>
        <source>Cancel message</source>
        <translation>Mensaje de cancelación</translation>
    </message>
    <message>
        <source>1, 2 or 10</source>
        <translation>1, 2 o 10</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Cliente</translation>
    </message>
    <message>
        <source>VIBE 1</source>
        <comment>zell pgr vibration mode 1</comment>
        <translation>VIBRACIÓN 1</translation>
    </message>
    <message>
        <source>VIBE 2</source>
        <comment>zell pgr vibration mode 2</comment>
        <translation>VIBRACIÓN 2</translation>
    </message>
    <message>
        <source>VIBE 3</source>
        <comment>zell pgr vibration mode 3</comment>
        <translation>VIBRACIÓN 3</translation>
    </message>
    <message>
        <source>1 Sec</source>
        <comment>guest pgr flash mode 1</comment>
        <translation>1 s</translation>
    </message>
    <message>
        <source>30 Sec</source>
        <comment>guest pgr flash mode 2</comment>
        <translation>30 s</translation>
    </message>
    <message>
        <source>5 Min</source>
        <comment>guest pgr flash mode 3</comment>
        <translation>5 min</translation>
    </message>
    <message>
        <source>Normally Open</source>
        <translation>Normalmente abierto</translation>
    </message>
    <message>
        <source>Normally Closed</source>
        <translation>Normalmente cerrado</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Vibe 1</source>
        <translation>Vibración 1</translation>
    </message>
    <message>
        <source>Vibe 2</source>
        <translation>Vibración 2</translation>
    </message>
    <message>
        <source>Vibe 3</source>
        <translation>Vibración 3</translation>
    </message>
    <message>
        <source>Beep 1</source>
        <translation>Pitido 1</translation>
    </message>
    <message>
        <source>Beep 2</source>
        <translation>Pitido 2</translation>
    </message>
    <message>
        <source>Beep 3</source>
        <translation>Pitido 3</translation>
    </message>
    <message>
        <source>Vibe-Beep 1</source>
        <translation>Vibración y pitido 1</translation>
    </message>
    <message>
        <source>Vibe-Beep 2</source>
        <translation>Vibración y pitido 2</translation>
    </message>
    <message>
        <source>Vibe-Beep 3</source>
        <translation>Vibración y pitido 3</translation>
    </message>
    <message>
        <source>Look Down</source>
        <translation>Mirar pantalla</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Indefinite</source>
        <translation>Indefinido</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
</context>
<context>
    <name>CfgFile</name>
    <message>
        <source>Could not read from %1</source>
        <translation>No se ha podido leer %1</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, far larger than any configuration file.</source>
        <translation>Ocupa más de %1 MB, mucho más que cualquier archivo de configuración.</translation>
    </message>
    <message>
        <source>Could not write to %1</source>
        <translation>No se ha podido escribir en %1</translation>
    </message>
    <message>
        <source>The %1 holds the character %2, which Tavrin cannot take.
Please replace it; the file was not loaded.</source>
        <translation>El campo &quot;%1&quot; contiene el carácter %2, que Tavrin no admite.
Sustitúyalo; no se ha cargado el archivo.</translation>
    </message>
    <message>
        <source>The %1 holds the character &quot;%2&quot;, which Tavrin cannot take.
Please replace it; the file was not saved.</source>
        <translation>El campo &quot;%1&quot; contiene el carácter &quot;%2&quot;, que Tavrin no admite.
Sustitúyalo; no se ha guardado el archivo.</translation>
    </message>
    <message>
        <source>Unable to load config file</source>
        <translation>No se puede cargar el archivo de configuración</translation>
    </message>
    <message>
        <source>Unable to save config file</source>
        <translation>No se puede guardar el archivo de configuración</translation>
    </message>
    <message numerus="yes">
        <source>The %1 is %n characters long; its field takes at most %2.
Please shorten it; the file was not loaded.</source>
        <translation>
            <numerusform>El campo &quot;%1&quot; tiene %n carácter; admite como máximo %2.
Acórtelo; no se ha cargado el archivo.</numerusform>
            <numerusform>El campo &quot;%1&quot; tiene %n caracteres; admite como máximo %2.
Acórtelo; no se ha cargado el archivo.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Tavrin configuration file (it could not be read as one: %2)</source>
        <translation>%1 no es un archivo de configuración de Tavrin (no se ha podido leer como tal: %2)</translation>
    </message>
</context>
<context>
    <name>CliAllUnits</name>
    <message>
        <source> (port %1)</source>
        <translation> (puerto %1)</translation>
    </message>
    <message>
        <source>No Tavrin device found</source>
        <translation>No se ha encontrado ningún dispositivo Tavrin</translation>
    </message>
    <message>
        <source>%1 holds {n} in a message text, but the units are not numbered; nothing was sent. Number them with --number-from N or --numbers LIST.</source>
        <translation>%1 contiene {n} en el texto de un mensaje, pero las unidades no están numeradas; no se ha enviado nada. Numérelas con --number-from N o --numbers LIST.</translation>
    </message>
    <message>
        <source>left out (--exclude-serial)</source>
        <translation>excluida (--exclude-serial)</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>omitida: %1</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>ERROR: %1</translation>
    </message>
    <message>
        <source>written and verified (%1 s)</source>
        <translation>escrita y verificada (%1 s)</translation>
    </message>
    <message>
        <source>written (not verified) (%1 s)</source>
        <translation>escrita (sin verificar) (%1 s)</translation>
    </message>
    <message>
        <source>%1 written and verified, %2 failed</source>
        <translation>%1 escritas y verificadas, %2 con error</translation>
    </message>
    <message>
        <source>%1 written (not verified), %2 failed</source>
        <translation>%1 escritas (sin verificar), %2 con error</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 omitidas</translation>
    </message>
    <message>
        <source>writing...</source>
        <translation>escribiendo...</translation>
    </message>
    <message>
        <source>Waiting for units; Ctrl+C to stop.</source>
        <translation>Esperando unidades; Ctrl+C para detener.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>its serial number &quot;%1&quot; cannot name a file; nothing was saved.</source>
        <translation>su número de serie &quot;%1&quot; no sirve como nombre de archivo; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>another unit has the same serial number; nothing was saved.</source>
        <translation>otra unidad tiene el mismo número de serie; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>saved as %1</source>
        <translation>guardada como %1</translation>
    </message>
    <message>
        <source>%1 saved, %2 failed</source>
        <translation>%1 guardadas, %2 con error</translation>
    </message>
    <message>
        <source>cannot be compared: </source>
        <translation>no se puede comparar: </translation>
    </message>
    <message>
        <source>matches</source>
        <translation>coincide</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>difiere: %1</translation>
    </message>
    <message>
        <source>%1 match, %2 differ, %3 failed</source>
        <translation>%1 coinciden, %2 difieren, %3 con error</translation>
    </message>
    <message>
        <source>Waiting for units (%1 to do); Ctrl+C to stop.</source>
        <translation>Esperando unidades (pendientes: %1); Ctrl+C para detener.</translation>
    </message>
    <message>
        <source>, %1 to do</source>
        <translation>, pendientes: %1</translation>
    </message>
    <message>
        <source>Nothing was saved; --allow-incomplete saves them with their defaults.</source>
        <translation>No se ha guardado nada; --allow-incomplete los guarda con sus valores predeterminados.</translation>
    </message>
    <message>
        <source>%1: file holds %2, Tavrin holds %3</source>
        <translation>%1: el archivo contiene %2, Tavrin contiene %3</translation>
    </message>
</context>
<context>
    <name>CliApp</name>
    <message>
        <source>Several Tavrin units are attached; choose one with --device PATH or --serial SERIAL. Nothing was sent.</source>
        <translation>Hay varias unidades Tavrin conectadas; elija una con --device PATH o --serial SERIAL. No se ha enviado nada.</translation>
    </message>
    <message>
        <source>No Tavrin unit is attached at %1.</source>
        <translation>No hay ninguna unidad Tavrin conectada en %1.</translation>
    </message>
    <message>
        <source>No attached Tavrin unit has the serial number %1.</source>
        <translation>Ninguna unidad Tavrin conectada tiene el número de serie %1.</translation>
    </message>
    <message>
        <source>Several attached Tavrin units have the serial number %1; choose one with --device PATH.</source>
        <translation>Varias unidades Tavrin conectadas tienen el número de serie %1; elija una con --device PATH.</translation>
    </message>
    <message>
        <source>No Tavrin unit is attached.</source>
        <translation>No hay ninguna unidad Tavrin conectada.</translation>
    </message>
    <message>
        <source>No Tavrin device found</source>
        <translation>No se ha encontrado ningún dispositivo Tavrin</translation>
    </message>
    <message>
        <source>Not every attached unit answered.</source>
        <translation>No todas las unidades conectadas han respondido.</translation>
    </message>
    <message>
        <source>Nothing was written; --allow-incomplete writes them with their defaults.</source>
        <translation>No se ha escrito nada; --allow-incomplete los escribe con sus valores predeterminados.</translation>
    </message>
    <message>
        <source>The unit cannot be compared with %1:</source>
        <translation>No se puede comparar la unidad con %1:</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>coincide</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>difiere</translation>
    </message>
    <message>
        <source>station needs --log LOG: the log of the units provisioned.</source>
        <translation>station necesita --log LOG: el registro de las unidades aprovisionadas.</translation>
    </message>
    <message>
        <source>--%1 needs a whole number of at least %2.</source>
        <translation>--%1 necesita un número entero mayor o igual que %2.</translation>
    </message>
    <message>
        <source>Cannot compare: %1 cannot be read.</source>
        <translation>No se puede comparar: no se puede leer %1.</translation>
    </message>
</context>
<context>
    <name>CliCommandLine</name>
    <message>
        <source>Show the attached unit&apos;s model, firmware and serial number.</source>
        <translation>Muestra el modelo, el firmware y el número de serie de la unidad conectada.</translation>
    </message>
    <message>
        <source>Read the unit&apos;s settings as a configuration file (standard output, or -o FILE).</source>
        <translation>Lee los ajustes de la unidad como archivo de configuración (salida estándar, o -o FILE).</translation>
    </message>
    <message>
        <source>Write a configuration file into the unit, as Update does.</source>
        <translation>Escribe un archivo de configuración en la unidad, como hace &quot;Enviar a Tavrin&quot; en la ventana.</translation>
    </message>
    <message>
        <source>List the settings of a configuration file.</source>
        <translation>Muestra los ajustes de un archivo de configuración.</translation>
    </message>
    <message>
        <source>Program an Alpha pager through the unit.</source>
        <translation>Programa un buscapersonas Alpha a través de la unidad.</translation>
    </message>
    <message>
        <source>Program a Zell pager or a coaster through the unit.</source>
        <translation>Programa un buscapersonas Zell o un posavasos a través de la unidad.</translation>
    </message>
    <message>
        <source>List the settings in which two configuration files differ (exit status 1 when they do).</source>
        <translation>Muestra los ajustes en que difieren dos archivos de configuración (código de salida 1 si difieren).</translation>
    </message>
    <message>
        <source>List the attached units: device path, model, firmware and serial number; fails without any.</source>
        <translation>Muestra las unidades conectadas: ruta del dispositivo, modelo, firmware y número de serie; falla si no hay ninguna.</translation>
    </message>
    <message>
        <source>Read the unit and compare it with a configuration file, writing nothing (exit status 1 when it differs).</source>
        <translation>Lee la unidad y la compara con un archivo de configuración, sin escribir nada (código de salida 1 si difiere).</translation>
    </message>
    <message>
        <source>Write and verify FILE into every unit attached and every unit plugged in until stopped, several at once, each once per plug-in; needs --log.</source>
        <translation>Escribe y verifica FILE en cada unidad conectada y en cada unidad que se conecte hasta que se detenga, varias a la vez, cada una una vez por conexión; necesita --log.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>No se ha indicado ningún comando.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Comando desconocido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>%1 is given more than once.</source>
        <translation>%1 se ha indicado más de una vez.</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 no se aplica a %2.</translation>
    </message>
    <message>
        <source>--transcript needs --simulate or --simulate-from.</source>
        <translation>--transcript necesita --simulate o --simulate-from.</translation>
    </message>
    <message>
        <source>--device and --serial both choose the unit: give one of them.</source>
        <translation>--device y --serial eligen ambos la unidad: indique solo uno de ellos.</translation>
    </message>
    <message>
        <source>--all takes every attached unit: --device and --serial do not go with it.</source>
        <translation>--all toma todas las unidades conectadas: no se puede combinar con --device ni con --serial.</translation>
    </message>
    <message>
        <source>--exclude-serial goes with --all.</source>
        <translation>--exclude-serial solo se usa con --all.</translation>
    </message>
    <message>
        <source>read --all needs -o FOLDER: a file per unit goes there.</source>
        <translation>read --all necesita -o FOLDER: allí se guarda un archivo por unidad.</translation>
    </message>
    <message>
        <source>--number-from and --numbers both number the units: give one of them.</source>
        <translation>--number-from y --numbers numeran ambos las unidades: indique solo uno de ellos.</translation>
    </message>
    <message>
        <source>--exclude-serial is empty: give the unit&apos;s serial number (see list).</source>
        <translation>--exclude-serial está vacío: indique el número de serie de la unidad (véase list).</translation>
    </message>
    <message>
        <source>--%1 is empty: give the unit&apos;s %2 (see list).</source>
        <translation>--%1 está vacío: indique %2 de la unidad (véase list).</translation>
    </message>
    <message>
        <source>device path</source>
        <translation>la ruta del dispositivo</translation>
    </message>
    <message>
        <source>serial number</source>
        <translation>el número de serie</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe &apos;%1 --help&apos; para más información.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Options of every command:</source>
        <translation>Opciones de todos los comandos:</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>Also print the traces of the device talk on standard error.</source>
        <translation>Muestra también en la salida de error estándar las trazas de la comunicación con el dispositivo.</translation>
    </message>
    <message>
        <source>Talk to a virtual unit instead of USB: tavrin2, dalen or dalen2. It answers at once. Several models separated by commas (tavrin2,dalen) attach several units, with serial numbers 00012345, 00012346 and so on.</source>
        <translation>Se comunica con una unidad virtual en lugar de USB: tavrin2, dalen o dalen2. Responde al instante. Varios modelos separados por comas (tavrin2,dalen) conectan varias unidades, con los números de serie 00012345, 00012346, etc.</translation>
    </message>
    <message>
        <source>The virtual unit (the first of several) starts with FILE&apos;s settings (and its model, unless --simulate is given).</source>
        <translation>La unidad virtual (la primera, si hay varias) empieza con los ajustes de FILE (y con su modelo, salvo que se indique --simulate).</translation>
    </message>
    <message>
        <source>Options of detect, read, write, check, program-alpha and program-zell:</source>
        <translation>Opciones de detect, read, write, check, program-alpha y program-zell:</translation>
    </message>
    <message>
        <source>Write the file also when the unit did not report some settings (they keep their defaults); without it such a read fails and writes nothing.</source>
        <translation>Escribe el archivo también cuando la unidad no ha informado de algunos ajustes (conservan sus valores predeterminados); sin esta opción, esa lectura falla y no escribe nada.</translation>
    </message>
    <message>
        <source>Options of write:</source>
        <translation>Opciones de write:</translation>
    </message>
    <message>
        <source>Do not read the unit back to check that it holds what was written.</source>
        <translation>No vuelve a leer la unidad para comprobar que contiene lo escrito.</translation>
    </message>
    <message>
        <source>Append a row for each unit tried to the provisioning log FILE (CSV; created with a header row), on disk before the unit&apos;s result is printed.</source>
        <translation>Añade al registro de aprovisionamiento FILE una fila por cada unidad tratada (CSV; se crea con una fila de encabezado), guardada en disco antes de mostrar el resultado de la unidad.</translation>
    </message>
    <message>
        <source>Number the units from N (1-9999): a Dalen unit&apos;s ID becomes its number, and {n} in a message text stands for it ({{ for a literal {).</source>
        <translation>Numera las unidades a partir de N (1-9999): el ID de una unidad Dalen pasa a ser su número, y {n} en el texto de un mensaje lo representa ({{ para una { literal).</translation>
    </message>
    <message>
        <source>Options of read, write and check:</source>
        <translation>Opciones de read, write y check:</translation>
    </message>
    <message>
        <source>Every attached unit at once, one line each as it finishes, then a summary (read: -o names a folder, one file per unit named by serial number).</source>
        <translation>Todas las unidades conectadas a la vez, una línea por unidad al terminar y después un resumen (read: -o indica una carpeta, con un archivo por unidad con el número de serie como nombre).</translation>
    </message>
    <message>
        <source>With --all: leave the unit with this serial number alone (may be given more than once).</source>
        <translation>Con --all: no toca la unidad con este número de serie (se puede indicar más de una vez).</translation>
    </message>
    <message>
        <source>Options of detect, show, diff, list and check, and of read and write with --all:</source>
        <translation>Opciones de detect, show, diff, list y check, y de read y write con --all:</translation>
    </message>
    <message>
        <source>Options of station:</source>
        <translation>Opciones de station:</translation>
    </message>
    <message>
        <source>Required: the provisioning log, as with write. Units it shows verified with the same profile are left alone; one station per log.</source>
        <translation>Obligatorio: el registro de aprovisionamiento, como en write. Las unidades que el registro muestra verificadas con el mismo perfil no se tocan; una estación por registro.</translation>
    </message>
    <message>
        <source>Write units the log shows verified with this profile again.</source>
        <translation>Vuelve a escribir las unidades que el registro muestra verificadas con este perfil.</translation>
    </message>
    <message>
        <source>Leave the unit with this serial number alone (may be given more than once).</source>
        <translation>No toca la unidad con este número de serie (se puede indicar más de una vez).</translation>
    </message>
    <message>
        <source>Stop after SECONDS in which no unit was in flight and none was plugged in.</source>
        <translation>Se detiene tras SECONDS sin ninguna unidad en curso ni ninguna conectada.</translation>
    </message>
    <message>
        <source>As with write; a number is used up only by a verified unit.</source>
        <translation>Como en write; un número solo se gasta con una unidad verificada.</translation>
    </message>
    <message>
        <source>One object per unit, then a summary object.</source>
        <translation>Un objeto por unidad y después un objeto de resumen.</translation>
    </message>
    <message>
        <source>Without --number-from or --numbers, numbering continues after the highest number of the log, if it holds any. Stops on SIGINT or SIGTERM after the units in flight; a second signal stops at once. Exit status 0 when no unit failed.</source>
        <translation>Sin --number-from ni --numbers, la numeración continúa tras el número más alto del registro, si contiene alguno. Se detiene con SIGINT o SIGTERM tras las unidades en curso; una segunda señal la detiene al instante. Código de salida 0 si ninguna unidad ha fallado.</translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 1 when the unit or a file failed, 2 for a wrong command line or when several units are attached and none was chosen. diff: 0 when the files hold the same settings, 1 when they differ, 2 when a file cannot be read. check: 1 also when a unit differs. With --all: 1 when any unit failed or none is attached.</source>
        <translation>Código de salida: 0 si todo es correcto, 1 si ha fallado la unidad o un archivo, 2 si la línea de comandos es incorrecta o si hay varias unidades conectadas y no se ha elegido ninguna. diff: 0 si los archivos contienen los mismos ajustes, 1 si difieren, 2 si no se puede leer un archivo. check: también 1 si una unidad difiere. Con --all: 1 si ha fallado alguna unidad o si no hay ninguna conectada.</translation>
    </message>
    <message>
        <source>Write every line the virtual unit received to FILE, one per line (a line break in a line as \n), also on failure.</source>
        <translation>Escribe en FILE cada línea que ha recibido la unidad virtual, una por línea (un salto de línea dentro de una línea como \n), también si hay un error.</translation>
    </message>
    <message>
        <source>Use the unit at this device path (see list).</source>
        <translation>Usa la unidad de esta ruta de dispositivo (véase list).</translation>
    </message>
    <message>
        <source>Use the unit with this serial number (see list).</source>
        <translation>Usa la unidad con este número de serie (véase list).</translation>
    </message>
    <message>
        <source>With several units attached one of these is required: the command refuses and lists them.</source>
        <translation>Con varias unidades conectadas, una de estas opciones es obligatoria: el comando se niega y las muestra.</translation>
    </message>
    <message>
        <source>Options of read:</source>
        <translation>Opciones de read:</translation>
    </message>
    <message>
        <source>Write the configuration file to FILE (replaced only when complete).</source>
        <translation>Escribe el archivo de configuración en FILE (solo se sustituye cuando está completo).</translation>
    </message>
    <message>
        <source>Print JSON for scripts (with --all: one object per unit, then a summary object; check of one unit: that unit&apos;s object, as with --all).</source>
        <translation>Muestra JSON para scripts (con --all: un objeto por unidad y después un objeto de resumen; check de una sola unidad: el objeto de esa unidad, como con --all).</translation>
    </message>
    <message>
        <source>Print only each unit&apos;s end and the summary: no line when the station starts waiting or a unit&apos;s write begins.</source>
        <translation>Muestra solo el final de cada unidad y el resumen: ninguna línea cuando la estación empieza a esperar ni cuando empieza la escritura de una unidad.</translation>
    </message>
    <message>
        <source>Options of program-alpha:</source>
        <translation>Opciones de program-alpha:</translation>
    </message>
    <message>
        <source>Pager number, 1-9999 (100-9999 with group paging on). Required.</source>
        <translation>Número de buscapersonas, 1-9999 (100-9999 con el aviso a grupos activado). Obligatorio.</translation>
    </message>
    <message>
        <source>All page ID, 1-9999 (default 911).</source>
        <translation>ID de aviso general, 1-9999 (predeterminado: 911).</translation>
    </message>
    <message>
        <source>System ID, 0-13 (default 0).</source>
        <translation>ID de sistema, 0-13 (predeterminado: 0).</translation>
    </message>
    <message>
        <source>Welcome message: at most 3 lines and 48 characters, no comma; \n starts a new line, \\ is a backslash.</source>
        <translation>Mensaje de bienvenida: como máximo 3 líneas y 48 caracteres, sin comas; \n empieza una línea nueva, \\ es una barra invertida.</translation>
    </message>
    <message>
        <source>Group paging (default off).</source>
        <translation>Aviso a grupos (predeterminado: off).</translation>
    </message>
    <message>
        <source>Group %1: pager 0-98 (0 = not used), name of at most %2 characters without comma. Needs group paging on.</source>
        <translation>Grupo %1: buscapersonas 0-98 (0 = sin usar), nombre de como máximo %2 caracteres sin comas. Necesita el aviso a grupos activado.</translation>
    </message>
    <message>
        <source>Options of program-zell:</source>
        <translation>Opciones de program-zell:</translation>
    </message>
    <message>
        <source>Pager or coaster number, 1-9999. Required.</source>
        <translation>Número de buscapersonas o de posavasos, 1-9999. Obligatorio.</translation>
    </message>
    <message>
        <source>Program a Zell pager or a coaster (default zell).</source>
        <translation>Programa un buscapersonas Zell o un posavasos (predeterminado: zell).</translation>
    </message>
    <message>
        <source>A guest or a manager Zell pager (default guest).</source>
        <translation>Buscapersonas Zell de cliente o de encargado (predeterminado: guest).</translation>
    </message>
    <message>
        <source>Vibration (default on).</source>
        <translation>Vibración (predeterminado: on).</translation>
    </message>
    <message>
        <source>Usage: %1 [options] COMMAND [ARGUMENTS]</source>
        <translation>Uso: %1 [opciones] COMANDO [ARGUMENTOS]</translation>
    </message>
    <message>
        <source>Configures the attached Tavrin unit from the command line, for installers who set up many units,
and lists and compares configuration files (.t2c) of the window and of this command.</source>
        <translation>Configura desde la línea de comandos la unidad Tavrin conectada, para instaladores que configuran muchas unidades,
y muestra y compara archivos de configuración (.t2c) de la ventana y de este comando.</translation>
    </message>
    <message>
        <source>A numbered check takes the numbers from the log: check --all --log LOG with --number-from N or --numbers LIST.</source>
        <translation>Una comprobación numerada toma los números del registro: check --all --log LOG con --number-from N o --numbers LIST.</translation>
    </message>
    <message>
        <source>check takes --log only for a numbered check, with --number-from N or --numbers LIST.</source>
        <translation>check solo admite --log en una comprobación numerada, con --number-from N o --numbers LIST.</translation>
    </message>
    <message>
        <source>Options of write, and of check with --all:</source>
        <translation>Opciones de write, y de check con --all:</translation>
    </message>
    <message>
        <source>Number the units from a list, such as 12,14,20-35; the summary says how many of them are left.</source>
        <translation>Numera las unidades a partir de una lista, como 12,14,20-35; el resumen indica cuántos de esos números quedan.</translation>
    </message>
    <message>
        <source>check --all with --log and --number-from or --numbers checks a numbered batch: each unit against FILE with the number the log gave it; a unit the log did not number with FILE fails.</source>
        <translation>check --all con --log y --number-from o --numbers comprueba un lote numerado: cada unidad con FILE y con el número que le ha dado el registro; una unidad que el registro no ha numerado con FILE falla.</translation>
    </message>
    <message>
        <source>Stop after N units were verified; the first line and the summary say how many remain.</source>
        <translation>Se detiene tras verificar N unidades; la primera línea y el resumen indican cuántas quedan.</translation>
    </message>
    <message>
        <source>As with write; when they run out the station takes no more units, finishes those in flight and exits with status 1.</source>
        <translation>Como en write; cuando se agotan, la estación no admite más unidades, termina las que están en curso y sale con el código de salida 1.</translation>
    </message>
</context>
<context>
    <name>CliSimulation</name>
    <message>
        <source>Unknown model &quot;%1&quot; for --simulate: use tavrin2, dalen or dalen2.</source>
        <translation>Modelo desconocido &quot;%1&quot; para --simulate: use tavrin2, dalen o dalen2.</translation>
    </message>
    <message>
        <source>%1 holds the settings of no model the virtual unit can be.</source>
        <translation>%1 contiene ajustes que no corresponden a ningún modelo que pueda ser la unidad virtual.</translation>
    </message>
    <message>
        <source>--simulate %1 is another model than the settings of %2.</source>
        <translation>--simulate %1 es un modelo distinto del de los ajustes de %2.</translation>
    </message>
    <message>
        <source>The virtual unit cannot take the settings of %1:
%2</source>
        <translation>La unidad virtual no admite los ajustes de %1:
%2</translation>
    </message>
</context>
<context>
    <name>CliStationCommand</name>
    <message>
        <source>%1 was already provisioned with this profile on %2</source>
        <translation>%1 ya se aprovisionó con este perfil el %2</translation>
    </message>
    <message>
        <source>Stopping after the units in flight; a second signal stops at once.</source>
        <translation>Deteniendo tras las unidades en curso; una segunda señal detiene al instante.</translation>
    </message>
    <message>
        <source>Stopped at once; left unverified: %1</source>
        <translation>Detenido al instante; quedan sin verificar: %1</translation>
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
        <translation>Para DalenTavrin: desconecte el cable USB y vuelva a conectarlo.

Para TavrinII: pulse brevemente el botón de confirmación del lateral.

NOTA: si aparece el &quot;Asistente para hardware nuevo encontrado&quot;, haga lo siguiente:
1) Seleccione la opción &quot;No por el momento&quot; y luego Siguiente
2) Seleccione &quot;Instalar desde una lista o ubicación específica (avanzado)&quot; y luego Siguiente
3) Indique que busque en la carpeta siguiente:
&quot;C:\Program Files\Atmel\Flip 3.3.1\usb&quot; y luego Siguiente y Finalizar
4) Espere hasta que un aviso indique que el nuevo hardware está listo para usarse y pulse Aceptar</translation>
    </message>
    <message>
        <source>For DalenTavrin - Please unplug then re-plug USB cable.

For TavrinII - Momentarily press the Acknowledgment button on the side.

NOTE: the update is written with dfu-programmer, which must be installed.
Without root, the udev rule 70-tavrin.rules (installed with this utility)
lets your user reach the boot loader (USB device 03eb:2ff9).
Wait a few seconds for the boot loader to attach, then press OK below</source>
        <translation>Para DalenTavrin: desconecte el cable USB y vuelva a conectarlo.

Para TavrinII: pulse brevemente el botón de confirmación del lateral.

NOTA: la actualización se escribe con dfu-programmer, que debe estar instalado.
Sin root, la regla udev 70-tavrin.rules (instalada con esta utilidad)
permite a su usuario acceder al cargador de arranque (dispositivo USB 03eb:2ff9).
Espere unos segundos a que se conecte el cargador de arranque y pulse Aceptar</translation>
    </message>
    <message>
        <source>Updating Firmware...</source>
        <translation>Actualizando el firmware...</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Espere, por favor</translation>
    </message>
    <message>
        <source>Start boot-loader</source>
        <translation>Iniciar el cargador de arranque</translation>
    </message>
    <message>
        <source>Waiting for the boot loader: %1 s (at most %2 s)...</source>
        <translation>Esperando al cargador de arranque: %1 s (como máximo %2 s)...</translation>
    </message>
    <message>
        <source>Writing the firmware...</source>
        <translation>Escribiendo el firmware...</translation>
    </message>
    <message>
        <source>Choose a firmware file to load</source>
        <translation>Elija el archivo de firmware que desea cargar</translation>
    </message>
    <message>
        <source>Firmware files (*.%1)</source>
        <translation>Archivos de firmware (*.%1)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>File: %1, has wrong filename format.
Do you want to load it anyway?</source>
        <translation>Archivo: %1: el nombre no tiene el formato correcto.
¿Desea cargarlo de todos modos?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Operación correcta</translation>
    </message>
    <message>
        <source>The firmware update is complete.
Please unplug then re-plug USB cable.</source>
        <translation>La actualización del firmware ha terminado.
Desconecte el cable USB y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The flashing tool %1 could not be started:
%2</source>
        <translation>No se ha podido iniciar la herramienta de grabación %1:
%2</translation>
    </message>
</context>
<context>
    <name>FrmProgramPagers</name>
    <message>
        <source>Program Pagers stays open until the pager is programmed.</source>
        <translation>La ventana Programar buscapersonas permanece abierta hasta que termine la programación del buscapersonas.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid Welcome Message text...
up to 3 lines and 48 characters max
- no commas allowed</source>
        <translation>Texto del mensaje de bienvenida no válido...
como máximo 3 líneas y 48 caracteres
- no se admiten comas</translation>
    </message>
    <message>
        <source>Alpha pager %1 programmed</source>
        <translation>Buscapersonas Alpha %1 programado</translation>
    </message>
    <message>
        <source>Coaster %1 programmed</source>
        <translation>Posavasos %1 programado</translation>
    </message>
    <message>
        <source>Zell pager %1 programmed</source>
        <translation>Buscapersonas Zell %1 programado</translation>
    </message>
</context>
<context>
    <name>FrmProvisionUnits</name>
    <message>
        <source>Provision Units</source>
        <translation>Aprovisionar unidades</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Finishes the units being written, then stops</source>
        <translation>Termina las unidades que se están escribiendo y después se detiene</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The profile&apos;s messages hold {n}, which only numbered units can take: every unit would get it as it stands. Number the units, or take {n} out of the messages.</source>
        <translation>Los mensajes del perfil contienen {n}, que solo admiten las unidades numeradas: todas las unidades lo recibirían tal cual. Numere las unidades o quite {n} de los mensajes.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>The &amp;form&apos;s settings</source>
        <translation>Los ajustes del &amp;formulario</translation>
    </message>
    <message>
        <source>A configuration f&amp;ile:</source>
        <translation>Un &amp;archivo de configuración:</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Archivo de configuración</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Elegir...</translation>
    </message>
    <message>
        <source>Choose configuration file</source>
        <translation>Elegir archivo de configuración</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Archivo de registro</translation>
    </message>
    <message>
        <source>Ch&amp;oose...</source>
        <translation>Ele&amp;gir...</translation>
    </message>
    <message>
        <source>Choose log file</source>
        <translation>Elegir archivo de registro</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>Archivo de &amp;registro:</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Numeración</translation>
    </message>
    <message>
        <source>&amp;Number the units from</source>
        <translation>&amp;Numerar las unidades a partir de</translation>
    </message>
    <message>
        <source>First unit number</source>
        <translation>Número de la primera unidad</translation>
    </message>
    <message>
        <source>Each unit gets the next number: a Dalen unit&apos;s ID, and {n} in the profile&apos;s messages.</source>
        <translation>Cada unidad recibe el número siguiente: como ID en una unidad Dalen y como {n} en los mensajes del perfil.</translation>
    </message>
    <message>
        <source>Units left as they are</source>
        <translation>Unidades que no se modifican</translation>
    </message>
    <message>
        <source>serial numbers, such as 00012345 00012346</source>
        <translation>números de serie, como 00012345 00012346</translation>
    </message>
    <message>
        <source>Serial numbers of units left out</source>
        <translation>Números de serie de las unidades excluidas</translation>
    </message>
    <message>
        <source>Le&amp;ave out:</source>
        <translation>E&amp;xcluir:</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>Rein&amp;tentar</translation>
    </message>
    <message>
        <source>The selected unit, which failed, is written again</source>
        <translation>La unidad seleccionada, que ha fallado, se vuelve a escribir</translation>
    </message>
    <message>
        <source>%1, profile %2</source>
        <translation>%1, perfil %2</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Cargar archivo</translation>
    </message>
    <message>
        <source>Choose a profile</source>
        <translation>Elija un perfil</translation>
    </message>
    <message>
        <source>Tavrin Config (*.%1)</source>
        <translation>Configuración de Tavrin (*.%1)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>A configuration f&amp;ile (%1):</source>
        <translation>Un &amp;archivo de configuración (%1):</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Archivo de registro</translation>
    </message>
    <message>
        <source>Log the units to</source>
        <translation>Registrar las unidades en</translation>
    </message>
    <message>
        <source>Provisioning log (*.csv)</source>
        <translation>Registro de aprovisionamiento (*.csv)</translation>
    </message>
    <message>
        <source>Profile: %1 (%2); log: %3</source>
        <translation>Perfil: %1 (%2); registro: %3</translation>
    </message>
    <message>
        <source>the form&apos;s settings</source>
        <translation>los ajustes del formulario</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Deteniendo...</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>escribiendo</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>verificando</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificada</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>already provisioned</source>
        <translation>ya aprovisionada</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>excluida</translation>
    </message>
    <message>
        <source>unplugged before it was verified</source>
        <translation>desconectada antes de verificarla</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progreso de %1</translation>
    </message>
    <message>
        <source>Verified: %1    Failed: %2    Skipped: %3</source>
        <translation>Verificadas: %1    Con error: %2    Omitidas: %3</translation>
    </message>
    <message>
        <source>Elapsed: %1:%2:%3</source>
        <translation>Tiempo transcurrido: %1:%2:%3</translation>
    </message>
    <message>
        <source>Warning: these are the form&apos;s default settings, never read from a unit nor loaded from a file. Start would write factory defaults to every unit.</source>
        <translation>Advertencia: estos son los ajustes predeterminados del formulario, que no se han leído de ninguna unidad ni cargado de ningún archivo. Iniciar escribiría los valores de fábrica en todas las unidades.</translation>
    </message>
    <message>
        <source>Read from unit %1.</source>
        <translation>Leídos de la unidad %1.</translation>
    </message>
    <message>
        <source>Loaded from %1.</source>
        <translation>Cargados desde %1.</translation>
    </message>
    <message>
        <source>The form&apos;s settings (edited).</source>
        <translation>Los ajustes del formulario (modificados).</translation>
    </message>
    <message>
        <source>The form&apos;s default settings.</source>
        <translation>Los ajustes predeterminados del formulario.</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>número %1</translation>
    </message>
    <message>
        <source>System ID %1; button 1: pager %2.</source>
        <translation>ID de sistema %1; botón 1: buscapersonas %2.</translation>
    </message>
    <message>
        <source>System ID %1; button 1: pager %2, message “%3”.</source>
        <translation>ID de sistema %1; botón 1: buscapersonas %2, mensaje “%3”.</translation>
    </message>
    <message>
        <source>It is %1.</source>
        <translation>Está en %1.</translation>
    </message>
    <message>
        <source>New rows are added to this log.</source>
        <translation>Las filas nuevas se añaden a este registro.</translation>
    </message>
    <message>
        <source>A new log is made.</source>
        <translation>Se crea un registro nuevo.</translation>
    </message>
    <message>
        <source>This log numbered its units up to %1; the numbers its units hold are passed over.</source>
        <translation>Este registro ha numerado sus unidades hasta el %1; se saltan los números que tienen sus unidades.</translation>
    </message>
    <message>
        <source>This log numbered its units; the next unit gets %1. Ticking the box numbers from the number chosen instead, passing over the numbers the log&apos;s units hold.</source>
        <translation>Este registro ha numerado sus unidades; la siguiente unidad recibe el %1. Si marca la casilla, se numera a partir del número elegido, saltando los números que tienen las unidades del registro.</translation>
    </message>
    <message>
        <source>“%1…” cannot be left out: a serial number has at most %2 characters.</source>
        <translation>“%1…” no se puede excluir: un número de serie tiene como máximo %2 caracteres.</translation>
    </message>
    <message>
        <source>Leaves out 1 unit: %1</source>
        <translation>Excluye 1 unidad: %1</translation>
    </message>
    <message>
        <source>Leaves out %1 units: %2</source>
        <translation>Excluye %1 unidades: %2</translation>
    </message>
    <message>
        <source>Open Lo&amp;g</source>
        <translation>Abrir registr&amp;o</translation>
    </message>
    <message>
        <source>Open Fol&amp;der</source>
        <translation>Abrir car&amp;peta</translation>
    </message>
    <message>
        <source>No program opens %1.</source>
        <translation>Ningún programa abre %1.</translation>
    </message>
    <message>
        <source>This log numbered its units up to %1: no number is left for the next unit. Tick the box to number from a number its units do not hold.</source>
        <translation>Este registro ha numerado sus unidades hasta el %1: no queda ningún número para la siguiente unidad. Marque la casilla para numerar a partir de un número que no tengan sus unidades.</translation>
    </message>
    <message>
        <source>Press Stop first: 1 unit is being written</source>
        <translation>Pulse primero Detener: se está escribiendo 1 unidad</translation>
    </message>
    <message>
        <source>Press Stop first: %1 units are being written</source>
        <translation>Pulse primero Detener: se están escribiendo %1 unidades</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>A short sound when a unit is verified and when one fails</source>
        <translation>Un sonido breve cuando se verifica una unidad y cuando falla una</translation>
    </message>
    <message>
        <source>not started: the station was stopping</source>
        <translation>sin iniciar: la estación se estaba deteniendo</translation>
    </message>
    <message>
        <source>already provisioned on %1</source>
        <translation>ya aprovisionada el %1</translation>
    </message>
    <message>
        <source>superseded: verified on a later plug-in (here: %1)</source>
        <translation>sustituida: verificada en una conexión posterior (aquí: %1)</translation>
    </message>
    <message>
        <source>1 unit being written</source>
        <translation>1 unidad en escritura</translation>
    </message>
    <message>
        <source>%1 units being written</source>
        <translation>%1 unidades en escritura</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenida</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Detenida: %1</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Deteniendo</translation>
    </message>
    <message>
        <source>Stopping: %1</source>
        <translation>Deteniendo: %1</translation>
    </message>
    <message>
        <source>Waiting for units — plug them in</source>
        <translation>Esperando unidades — conéctelas</translation>
    </message>
    <message>
        <source>The units with these serial numbers (the reference unit, for one) stay attached without being written.</source>
        <translation>Las unidades con estos números de serie (por ejemplo, la unidad de referencia) siguen conectadas sin que se escriban.</translation>
    </message>
</context>
<context>
    <name>FrmTavrin2Qt</name>
    <message>
        <source>VIBE 1</source>
        <comment>zell pgr vibration mode 1</comment>
        <translation>VIBRACIÓN 1</translation>
    </message>
    <message>
        <source>VIBE 2</source>
        <comment>zell pgr vibration mode 2</comment>
        <translation>VIBRACIÓN 2</translation>
    </message>
    <message>
        <source>VIBE 3</source>
        <comment>zell pgr vibration mode 3</comment>
        <translation>VIBRACIÓN 3</translation>
    </message>
    <message>
        <source>1 Sec</source>
        <comment>guest pgr flash mode 1</comment>
        <translation>1 s</translation>
    </message>
    <message>
        <source>30 Sec</source>
        <comment>guest pgr flash mode 2</comment>
        <translation>30 s</translation>
    </message>
    <message>
        <source>5 Min</source>
        <comment>guest pgr flash mode 3</comment>
        <translation>5 min</translation>
    </message>
    <message>
        <source>Invalid pager number, using default</source>
        <translation>Número de buscapersonas no válido; se usa el predeterminado</translation>
    </message>
    <message>
        <source>Invalid external input setting, using default</source>
        <translation>Ajuste de entrada externa no válido; se usa el predeterminado</translation>
    </message>
    <message>
        <source>Invalid pager type, using default</source>
        <translation>Tipo de buscapersonas no válido; se usa el predeterminado</translation>
    </message>
    <message>
        <source>Invalid pager mode, using default</source>
        <translation>Modo de buscapersonas no válido; se usa el predeterminado</translation>
    </message>
    <message>
        <source>Unable to load config file</source>
        <translation>No se puede cargar el archivo de configuración</translation>
    </message>
    <message>
        <source>Unable to save config file</source>
        <translation>No se puede guardar el archivo de configuración</translation>
    </message>
    <message>
        <source>The window stays open until the Tavrin operation has ended.</source>
        <translation>La ventana permanece abierta hasta que termine la operación de Tavrin.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Botón %1</translation>
    </message>
    <message>
        <source>External input</source>
        <translation>Entrada externa</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1: en uso</translation>
    </message>
    <message>
        <source>%1 pager</source>
        <translation>%1: buscapersonas</translation>
    </message>
    <message>
        <source>%1 setting</source>
        <translation>%1: ajuste</translation>
    </message>
    <message>
        <source>%1 type</source>
        <translation>%1: tipo</translation>
    </message>
    <message>
        <source>%1 mode</source>
        <translation>%1: modo</translation>
    </message>
    <message>
        <source>%1 Zell message</source>
        <translation>%1: mensaje Zell</translation>
    </message>
    <message>
        <source>%1 Alpha message</source>
        <translation>%1: mensaje Alpha</translation>
    </message>
    <message>
        <source>%1 message</source>
        <translation>%1: mensaje</translation>
    </message>
    <message>
        <source>Low battery page enabled</source>
        <translation>Aviso de batería baja activado</translation>
    </message>
    <message>
        <source>Low battery pager</source>
        <translation>Buscapersonas del aviso de batería baja</translation>
    </message>
    <message>
        <source>Low battery message</source>
        <translation>Mensaje de batería baja</translation>
    </message>
    <message>
        <source>Acknowledge page enabled</source>
        <translation>Aviso de confirmación activado</translation>
    </message>
    <message>
        <source>Acknowledge pager</source>
        <translation>Buscapersonas del aviso de confirmación</translation>
    </message>
    <message>
        <source>Acknowledge message</source>
        <translation>Mensaje de confirmación</translation>
    </message>
    <message>
        <source>Auto on/off 1 enabled</source>
        <translation>Encendido/apagado automático 1 activado</translation>
    </message>
    <message>
        <source>Auto on/off 1 on time</source>
        <translation>Encendido/apagado automático 1: hora de encendido</translation>
    </message>
    <message>
        <source>Auto on/off 1 off time</source>
        <translation>Encendido/apagado automático 1: hora de apagado</translation>
    </message>
    <message>
        <source>Auto on/off 2 enabled</source>
        <translation>Encendido/apagado automático 2 activado</translation>
    </message>
    <message>
        <source>Auto on/off 2 on time</source>
        <translation>Encendido/apagado automático 2: hora de encendido</translation>
    </message>
    <message>
        <source>Auto on/off 2 off time</source>
        <translation>Encendido/apagado automático 2: hora de apagado</translation>
    </message>
    <message>
        <source>Auto on/off 3 enabled</source>
        <translation>Encendido/apagado automático 3 activado</translation>
    </message>
    <message>
        <source>Auto on/off 3 on time</source>
        <translation>Encendido/apagado automático 3: hora de encendido</translation>
    </message>
    <message>
        <source>Auto on/off 3 off time</source>
        <translation>Encendido/apagado automático 3: hora de apagado</translation>
    </message>
    <message>
        <source>Secondary page enabled</source>
        <translation>Aviso secundario activado</translation>
    </message>
    <message>
        <source>Secondary pager</source>
        <translation>Buscapersonas del aviso secundario</translation>
    </message>
    <message>
        <source>Cancel message enabled</source>
        <translation>Mensaje de cancelación activado</translation>
    </message>
    <message>
        <source>Cancel message</source>
        <translation>Mensaje de cancelación</translation>
    </message>
    <message>
        <source>Repage enabled</source>
        <translation>Repetición de aviso activada</translation>
    </message>
    <message>
        <source>Repage interval</source>
        <translation>Intervalo de repetición de aviso</translation>
    </message>
    <message>
        <source>Tavrin II unit with buttons 1 to 5</source>
        <translation>Unidad Tavrin II con los botones 1 a 5</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Botón</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Botón 2</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Botón 1</translation>
    </message>
    <message>
        <source>Dalen Tavrin - 2 Button unit with buttons 1 and 2</source>
        <translation>Unidad Dalen Tavrin - 2 Button con los botones 1 y 2</translation>
    </message>
    <message>
        <source>Dalen Tavrin unit with one button</source>
        <translation>Unidad Dalen Tavrin con un botón</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>To reset Tavrin, please remove
then re-attach Tavrin to PC</source>
        <translation>Para restablecer Tavrin, desconéctelo
del PC y vuelva a conectarlo</translation>
    </message>
    <message>
        <source>%1, serial number %2 (%3)</source>
        <translation>%1, número de serie %2 (%3)</translation>
    </message>
    <message>
        <source>%1, not answering (%2)</source>
        <translation>%1, no responde (%2)</translation>
    </message>
    <message>
        <source>Several Tavrin Devices Found</source>
        <translation>Se han encontrado varios dispositivos Tavrin</translation>
    </message>
    <message>
        <source>USB Tavrin Configuration Utility
Version %1
Version Date: %2</source>
        <translation>Utilidad de configuración USB de Tavrin
Versión %1
Fecha de la versión: %2</translation>
    </message>
    <message>
        <source>Another Tavrin Device Found</source>
        <translation>Se ha encontrado otro dispositivo Tavrin</translation>
    </message>
    <message>
        <source>The Tavrin with serial number %1 is no longer attached.
Please select the Tavrin to use:</source>
        <translation>El Tavrin con el número de serie %1 ya no está conectado.
Seleccione el Tavrin que desea usar:</translation>
    </message>
    <message>
        <source>The Tavrin with serial number %1 is no longer attached, and no other was chosen.
Nothing was sent.</source>
        <translation>El Tavrin con el número de serie %1 ya no está conectado y no se ha elegido otro.
No se ha enviado nada.</translation>
    </message>
    <message>
        <source>Please select the Tavrin to use:</source>
        <translation>Seleccione el Tavrin que desea usar:</translation>
    </message>
    <message>
        <source>No Tavrin Device Found</source>
        <translation>No se ha encontrado ningún dispositivo Tavrin</translation>
    </message>
    <message>
        <source>Please select your Tavrin type:</source>
        <translation>Seleccione su tipo de Tavrin:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Settings written to %1 %2</source>
        <translation>Ajustes escritos en %1 %2</translation>
    </message>
    <message>
        <source>Tavrin Config (*.%1)</source>
        <translation>Configuración de Tavrin (*.%1)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Save config file as</source>
        <translation>Guardar archivo de configuración como</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Se ha guardado %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Cargar archivo</translation>
    </message>
    <message>
        <source>Choose a config file to load</source>
        <translation>Elija el archivo de configuración que desea cargar</translation>
    </message>
    <message>
        <source>This file is not a Tavrin configuration, or it is damaged.</source>
        <translation>Este archivo no es una configuración de Tavrin o está dañado.</translation>
    </message>
    <message>
        <source>Loaded %1: settings of a %2</source>
        <translation>Se ha cargado %1: ajustes de un %2</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>Se ha cargado %1</translation>
    </message>
    <message>
        <source>%1 was not loaded: a Tavrin operation is in progress.</source>
        <translation>No se ha cargado %1: hay una operación de Tavrin en curso.</translation>
    </message>
    <message>
        <source>Not taken in the %1 field: %2.</source>
        <translation>No se admite en el campo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The configuration is incomplete: it holds %1 of %2 button settings
and %3 of %4 auto on/off times.</source>
        <translation>La configuración está incompleta: contiene %1 de %2 ajustes de botón
y %3 de %4 horas de encendido/apagado automático.</translation>
    </message>
    <message>
        <source>Invalid Tavrin type detected!</source>
        <translation>¡Se ha detectado un tipo de Tavrin no válido!</translation>
    </message>
    <message>
        <source>You are trying to update a type %2
UI with a connected type %1 device.</source>
        <translation>Está intentando actualizar una interfaz de tipo %2
con un dispositivo conectado de tipo %1.</translation>
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
        <translation>Botones y entradas</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ENABLED&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ACTIVADO&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;PAGER&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;BUSCAPERSONAS&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;TYPE&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;TIPO&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MODE&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MODO&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MESSAGE&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MENSAJE&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;1&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 1</source>
        <translation>Marque para activar el botón 1</translation>
    </message>
    <message>
        <source>Pager # to page for button 1</source>
        <translation>N.º de buscapersonas al que avisa el botón 1</translation>
    </message>
    <message>
        <source>Pager type to page for button 1</source>
        <translation>Tipo de buscapersonas al que avisa el botón 1</translation>
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
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 1</source>
        <translation>Modo de buscapersonas para el aviso del botón 1</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 1</source>
        <translation>Mensaje para buscapersonas Alpha del botón 1</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 1</source>
        <translation>Mensaje para buscapersonas Zell del botón 1</translation>
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
        <translation>Marque para activar el botón 2</translation>
    </message>
    <message>
        <source>Pager # to page for button 2</source>
        <translation>N.º de buscapersonas al que avisa el botón 2</translation>
    </message>
    <message>
        <source>Pager type to page for button 2</source>
        <translation>Tipo de buscapersonas al que avisa el botón 2</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 2</source>
        <translation>Modo de buscapersonas para el aviso del botón 2</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 2</source>
        <translation>Mensaje para buscapersonas Alpha del botón 2</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 2</source>
        <translation>Mensaje para buscapersonas Zell del botón 2</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;3&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 3</source>
        <translation>Marque para activar el botón 3</translation>
    </message>
    <message>
        <source>Pager # to page for button 3</source>
        <translation>N.º de buscapersonas al que avisa el botón 3</translation>
    </message>
    <message>
        <source>Pager type to page for button 3</source>
        <translation>Tipo de buscapersonas al que avisa el botón 3</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 3</source>
        <translation>Modo de buscapersonas para el aviso del botón 3</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 3</source>
        <translation>Mensaje para buscapersonas Alpha del botón 3</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 3</source>
        <translation>Mensaje para buscapersonas Zell del botón 3</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;4&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 4</source>
        <translation>Marque para activar el botón 4</translation>
    </message>
    <message>
        <source>Pager # to page for button 4</source>
        <translation>N.º de buscapersonas al que avisa el botón 4</translation>
    </message>
    <message>
        <source>Pager type to page for button 4</source>
        <translation>Tipo de buscapersonas al que avisa el botón 4</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 4</source>
        <translation>Modo de buscapersonas para el aviso del botón 4</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 4</source>
        <translation>Mensaje para buscapersonas Alpha del botón 4</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 4</source>
        <translation>Mensaje para buscapersonas Zell del botón 4</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;5&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;5&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 5</source>
        <translation>Marque para activar el botón 5</translation>
    </message>
    <message>
        <source>Pager # to page for button 5</source>
        <translation>N.º de buscapersonas al que avisa el botón 5</translation>
    </message>
    <message>
        <source>Pager type to page for button 5</source>
        <translation>Tipo de buscapersonas al que avisa el botón 5</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 5</source>
        <translation>Modo de buscapersonas para el aviso del botón 5</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 5</source>
        <translation>Mensaje para buscapersonas Alpha del botón 5</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 5</source>
        <translation>Mensaje para buscapersonas Zell del botón 5</translation>
    </message>
    <message>
        <source>External Input</source>
        <translation>Entrada externa</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;SETTING&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;AJUSTE&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable external input</source>
        <translation>Marque para activar la entrada externa</translation>
    </message>
    <message>
        <source>Page setting for external input - page on open-to-close or close-to-open</source>
        <translation>Ajuste de aviso de la entrada externa: avisar al pasar de abierto a cerrado o de cerrado a abierto</translation>
    </message>
    <message>
        <source>Normally Open</source>
        <translation>Normalmente abierto</translation>
    </message>
    <message>
        <source>Normally Closed</source>
        <translation>Normalmente cerrado</translation>
    </message>
    <message>
        <source>Pager # to page upon external input</source>
        <translation>N.º de buscapersonas al que avisa la entrada externa</translation>
    </message>
    <message>
        <source>Pager type to page upon external input</source>
        <translation>Tipo de buscapersonas al que avisa la entrada externa</translation>
    </message>
    <message>
        <source>Pager mode to use with external input page</source>
        <translation>Modo de buscapersonas para el aviso de la entrada externa</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for external input</source>
        <translation>Mensaje para buscapersonas Alpha de la entrada externa</translation>
    </message>
    <message>
        <source>Zell pager type messsage for external input</source>
        <translation>Mensaje para buscapersonas Zell de la entrada externa</translation>
    </message>
    <message>
        <source>Advanced Features</source>
        <translation>Funciones avanzadas</translation>
    </message>
    <message>
        <source>Auto On / Off</source>
        <translation>Encendido / apagado automático</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ON&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ENCENDIDO&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;OFF&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;APAGADO&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable auto on/off 1</source>
        <translation>Marque para activar el encendido/apagado automático 1</translation>
    </message>
    <message>
        <source>Turn Tavrin on - time 1</source>
        <translation>Encender Tavrin: hora 1</translation>
    </message>
    <message>
        <source>Turn Tavrin off - time 1</source>
        <translation>Apagar Tavrin: hora 1</translation>
    </message>
    <message>
        <source>Check to enable auto on/off 2</source>
        <translation>Marque para activar el encendido/apagado automático 2</translation>
    </message>
    <message>
        <source>Turn Tavrin on - time 2</source>
        <translation>Encender Tavrin: hora 2</translation>
    </message>
    <message>
        <source>Turn Tavrin off - time 2</source>
        <translation>Apagar Tavrin: hora 2</translation>
    </message>
    <message>
        <source>Check to enable auto on/off 3</source>
        <translation>Marque para activar el encendido/apagado automático 3</translation>
    </message>
    <message>
        <source>Turn Tavrin on - time 3</source>
        <translation>Encender Tavrin: hora 3</translation>
    </message>
    <message>
        <source>Turn Tavrin off - time 3</source>
        <translation>Apagar Tavrin: hora 3</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>&lt;b&gt;LOCKOUT SETTINGS&lt;/b&gt;</source>
        <translation>&lt;b&gt;AJUSTES DE BLOQUEO&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;LOCKOUT SEQUENCE&lt;/b&gt;</source>
        <translation>&lt;b&gt;SECUENCIA DE BLOQUEO&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Indefinite</source>
        <translation>Indefinido</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source> (seconds)</source>
        <translation> (segundos)</translation>
    </message>
    <message>
        <source>Lockout duration</source>
        <translation>Duración del bloqueo</translation>
    </message>
    <message>
        <source>First (of 3) page button to press to lockout Tavrin</source>
        <translation>Primer botón de aviso (de 3) que se pulsa para bloquear Tavrin</translation>
    </message>
    <message>
        <source>Second (of 3) page button to press to lockout Tavrin</source>
        <translation>Segundo botón de aviso (de 3) que se pulsa para bloquear Tavrin</translation>
    </message>
    <message>
        <source>Third (of 3) page button to press to lockout Tavrin</source>
        <translation>Tercer botón de aviso (de 3) que se pulsa para bloquear Tavrin</translation>
    </message>
    <message>
        <source>System ID</source>
        <translation>ID de sistema</translation>
    </message>
    <message>
        <source>System ID Tavrin pages to - should match pager system ID</source>
        <translation>ID de sistema al que avisa Tavrin: debe coincidir con el ID de sistema del buscapersonas</translation>
    </message>
    <message>
        <source>Group Paging</source>
        <translation>Aviso a grupos</translation>
    </message>
    <message>
        <source>Check to enable group paging</source>
        <translation>Marque para activar el aviso a grupos</translation>
    </message>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Push to upgrade firmware</source>
        <translation>Pulse para actualizar el firmware</translation>
    </message>
    <message>
        <source>Repage</source>
        <translation>Repetición de aviso</translation>
    </message>
    <message>
        <source>Check to enable repaging</source>
        <translation>Marque para activar la repetición de aviso</translation>
    </message>
    <message>
        <source>&lt;b&gt;INTERVAL&lt;/b&gt;</source>
        <translation>&lt;b&gt;INTERVALO&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Interval at which to repage</source>
        <translation>Intervalo de repetición del aviso</translation>
    </message>
    <message>
        <source>Low Battery Page</source>
        <translation>Aviso de batería baja</translation>
    </message>
    <message>
        <source>Check to enable low battery page</source>
        <translation>Marque para activar el aviso de batería baja</translation>
    </message>
    <message>
        <source>Pager # to page if low battery page enabled</source>
        <translation>N.º de buscapersonas que recibe el aviso de batería baja</translation>
    </message>
    <message>
        <source>Message to send with low battery page</source>
        <translation>Mensaje que se envía con el aviso de batería baja</translation>
    </message>
    <message>
        <source>Acknowledge Page</source>
        <translation>Aviso de confirmación</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Botón</translation>
    </message>
    <message>
        <source>Pager # to page when button pushed</source>
        <translation>N.º de buscapersonas al que se avisa al pulsar el botón</translation>
    </message>
    <message>
        <source>Message sent when button pushed</source>
        <translation>Mensaje que se envía al pulsar el botón</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Vibe 1</source>
        <translation>Vibración 1</translation>
    </message>
    <message>
        <source>Vibe 2</source>
        <translation>Vibración 2</translation>
    </message>
    <message>
        <source>Vibe 3</source>
        <translation>Vibración 3</translation>
    </message>
    <message>
        <source>Beep 1</source>
        <translation>Pitido 1</translation>
    </message>
    <message>
        <source>Beep 2</source>
        <translation>Pitido 2</translation>
    </message>
    <message>
        <source>Beep 3</source>
        <translation>Pitido 3</translation>
    </message>
    <message>
        <source>Vibe-Beep 1</source>
        <translation>Vibración y pitido 1</translation>
    </message>
    <message>
        <source>Vibe-Beep 2</source>
        <translation>Vibración y pitido 2</translation>
    </message>
    <message>
        <source>Vibe-Beep 3</source>
        <translation>Vibración y pitido 3</translation>
    </message>
    <message>
        <source>Look Down</source>
        <translation>Mirar pantalla</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Botón 2</translation>
    </message>
    <message>
        <source>Dalen Tavrin ID</source>
        <translation>ID de Dalen Tavrin</translation>
    </message>
    <message>
        <source>Number sent with message</source>
        <translation>Número que se envía con el mensaje</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
    <message>
        <source>Check to enable beep</source>
        <translation>Marque para activar el pitido</translation>
    </message>
    <message>
        <source>Secondary Page</source>
        <translation>Aviso secundario</translation>
    </message>
    <message>
        <source>Check to enable alert page if low battery</source>
        <translation>Marque para activar el aviso de alerta si la batería está baja</translation>
    </message>
    <message>
        <source>Pager # to page when low battery page enabled</source>
        <translation>N.º de buscapersonas que recibe el aviso de batería baja</translation>
    </message>
    <message>
        <source>Cancel Message</source>
        <translation>Mensaje de cancelación</translation>
    </message>
    <message>
        <source>Message sent with low batttery page</source>
        <translation>Mensaje que se envía con el aviso de batería baja</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;INTERVAL&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;INTERVALO&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Read
Tavrin</source>
        <translation>Leer
Tavrin</translation>
    </message>
    <message>
        <source>Push to read current settings from Tavrin</source>
        <translation>Pulse para leer los ajustes actuales de Tavrin</translation>
    </message>
    <message>
        <source>Update
Tavrin</source>
        <translation>Enviar a
Tavrin</translation>
    </message>
    <message>
        <source>Push to send current settings to Tavrin</source>
        <translation>Pulse para enviar los ajustes actuales a Tavrin</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;right&quot;&gt;Serial Number:&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;right&quot;&gt;Número de serie:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tavrin&apos;s serial number</source>
        <translation>Número de serie de Tavrin</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;right&quot;&gt;Firmware:&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;right&quot;&gt;Firmware:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tavrin&apos;s firmware version</source>
        <translation>Versión del firmware de Tavrin</translation>
    </message>
    <message>
        <source>&lt;b&gt;With group paging enabled, pager numbers 1-98 will page groups.&lt;/b&gt;</source>
        <translation>&lt;b&gt;Con el aviso a grupos activado, los números de buscapersonas 1-98 avisan a grupos.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Select Device</source>
        <translation>&amp;Seleccionar dispositivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Load Configuration</source>
        <translation>&amp;Cargar configuración</translation>
    </message>
    <message>
        <source>Load existing Tavrin configuration file</source>
        <translation>Carga un archivo de configuración de Tavrin existente</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Guardar configuración</translation>
    </message>
    <message>
        <source>Save current settings to Tavrin configuration file</source>
        <translation>Guarda los ajustes actuales en un archivo de configuración de Tavrin</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit from application</source>
        <translation>Sale de la aplicación</translation>
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
        <translation>Selecciona el dispositivo Tavrin II</translation>
    </message>
    <message>
        <source>Select Dalen Tavrin device</source>
        <translation>Selecciona el dispositivo Dalen Tavrin</translation>
    </message>
    <message>
        <source>Dalen Tavrin - &amp;2 Button</source>
        <translation>Dalen Tavrin - &amp;2 Button</translation>
    </message>
    <message>
        <source>Select Dalen Tavrin - 2 Button Device </source>
        <translation>Selecciona el dispositivo Dalen Tavrin - 2 Button </translation>
    </message>
    <message>
        <source>&amp;Program Pagers</source>
        <translation>&amp;Programar buscapersonas</translation>
    </message>
    <message>
        <source>Program pagers</source>
        <translation>Programa buscapersonas</translation>
    </message>
    <message>
        <source>Pro&amp;vision Units...</source>
        <translation>Apro&amp;visionar unidades...</translation>
    </message>
    <message>
        <source>Program every unit plugged in with one profile</source>
        <translation>Programa con un mismo perfil cada unidad que se conecte</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Reset Tavrin device</source>
        <translation>Restablece el dispositivo Tavrin</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Displays application info</source>
        <translation>Muestra información sobre la aplicación</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Inicializar</translation>
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
        <translation>No se puede escribir en el registro %1 (%2); no se inician más unidades.</translation>
    </message>
    <message>
        <source>stopped before it was verified</source>
        <translation>detenida antes de verificarla</translation>
    </message>
    <message>
        <source>The station takes no more units: %1.</source>
        <translation>La estación no admite más unidades: %1.</translation>
    </message>
</context>
<context>
    <name>Latin1Text</name>
    <message>
        <source> (tab)</source>
        <translation> (tabulador)</translation>
    </message>
    <message>
        <source> (line feed)</source>
        <translation> (salto de línea)</translation>
    </message>
    <message>
        <source> (carriage return)</source>
        <translation> (retorno de carro)</translation>
    </message>
</context>
<context>
    <name>PagerOptions</name>
    <message>
        <source>A coaster is always a guest: --who manager needs --kind zell.</source>
        <translation>Un posavasos siempre es de cliente: --who manager necesita --kind zell.</translation>
    </message>
    <message>
        <source>Invalid Welcome Message text...
up to 3 lines and 48 characters max
- no commas allowed</source>
        <translation>Texto del mensaje de bienvenida no válido...
como máximo 3 líneas y 48 caracteres
- no se admiten comas</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3.</source>
        <translation>--%1 admite un número de %2 a %3.</translation>
    </message>
    <message>
        <source>--%1 is required.</source>
        <translation>--%1 es obligatorio.</translation>
    </message>
    <message>
        <source>--%1 takes %2 or %3.</source>
        <translation>--%1 admite %2 o %3.</translation>
    </message>
    <message>
        <source>--%1 needs --group-paging on.</source>
        <translation>--%1 necesita --group-paging on.</translation>
    </message>
    <message>
        <source>--%1 takes a pager number from %2 to %3 (0 = not used), then a comma and the group&apos;s name.</source>
        <translation>--%1 admite un número de buscapersonas de %2 a %3 (0 = sin usar), seguido de una coma y el nombre del grupo.</translation>
    </message>
    <message>
        <source>Group names may not contain commas (--%1).</source>
        <translation>Los nombres de grupo no pueden contener comas (--%1).</translation>
    </message>
    <message>
        <source>The name of group %1 takes at most %2 characters.</source>
        <translation>El nombre del grupo %1 admite como máximo %2 caracteres.</translation>
    </message>
</context>
<context>
    <name>ProvisionLog</name>
    <message>
        <source>Could not write to %1</source>
        <translation>No se ha podido escribir en %1</translation>
    </message>
    <message>
        <source>The log %1 is in use by another program.</source>
        <translation>Otro programa está usando el registro %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>se ha agotado la cuota de disco</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>el sistema de archivos es de solo lectura</translation>
    </message>
    <message>
        <source>the file is as large as the system lets it grow</source>
        <translation>el archivo ha alcanzado el tamaño máximo que permite el sistema</translation>
    </message>
    <message>
        <source>Could not write to %1: the folder %2 does not exist.</source>
        <translation>No se ha podido escribir en %1: la carpeta %2 no existe.</translation>
    </message>
    <message>
        <source>Could not write to %1: %2.</source>
        <translation>No se ha podido escribir en %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the log must be one.</source>
        <translation>%1 no es un archivo normal; el registro debe serlo.</translation>
    </message>
    <message>
        <source>%1 is not a provisioning log of this program: its first line is not the log&apos;s header. Choose a new file, or a log this program wrote.</source>
        <translation>%1 no es un registro de aprovisionamiento de este programa: su primera línea no es el encabezado del registro. Elija un archivo nuevo o un registro escrito por este programa.</translation>
    </message>
    <message>
        <source>%1 holds %2 MiB, more than a provisioning log may (%3 MiB); start a new log.</source>
        <translation>%1 ocupa %2 MiB, más de lo que admite un registro de aprovisionamiento (%3 MiB); empiece un registro nuevo.</translation>
    </message>
    <message>
        <source>Could not read from %1: %2.</source>
        <translation>No se ha podido leer %1: %2.</translation>
    </message>
</context>
<context>
    <name>ProvisionPolicy</name>
    <message>
        <source>%1 holds values out of range; nothing was sent:</source>
        <translation>%1 contiene valores fuera de rango; no se ha enviado nada:</translation>
    </message>
    <message>
        <source>%1: %2 (allowed: %3)</source>
        <translation>%1: %2 (permitido: %3)</translation>
    </message>
    <message>
        <source>%1 holds messages longer than their fields take; nothing was sent:</source>
        <translation>%1 contiene mensajes más largos de lo que admiten sus campos; no se ha enviado nada:</translation>
    </message>
    <message>
        <source>already provisioned with this profile on %1</source>
        <translation>ya aprovisionada con este perfil el %1</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>excluida</translation>
    </message>
    <message>
        <source>This unit reports no serial number; it cannot be told apart from others, so nothing was sent.</source>
        <translation>Esta unidad no indica ningún número de serie; no se puede distinguir de las demás, así que no se ha enviado nada.</translation>
    </message>
    <message>
        <source>Another unit in flight, at %1, reports the same serial number %2; nothing was sent.</source>
        <translation>Otra unidad en curso, en %1, indica el mismo número de serie %2; no se ha enviado nada.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n characters (at most %2)</source>
        <translation>
            <numerusform>%1: %n carácter (como máximo %2)</numerusform>
            <numerusform>%1: %n caracteres (como máximo %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>not provisioned with this profile</source>
        <translation>no aprovisionada con este perfil</translation>
    </message>
    <message>
        <source>numbered %1, which is not one of the numbers checked</source>
        <translation>con el número %1, que no está entre los números comprobados</translation>
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
        <translation>(fuera de rango; permitido: %1)</translation>
    </message>
    <message>
        <source>%1: %2, not answering (%3)</source>
        <translation>%1: %2, no responde (%3)</translation>
    </message>
    <message>
        <source>%1: %2, firmware %3, serial number %4</source>
        <translation>%1: %2, firmware %3, número de serie %4</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
</context>
<context>
    <name>Tavrin2QtCfg</name>
    <message>
        <source>Tavrin2QtCfg::freeze(): Got archive_exception (%1 = %2)
</source>
        <translation>Tavrin2QtCfg::freeze(): se ha producido archive_exception (%1 = %2)
</translation>
    </message>
    <message>
        <source>Tavrin2QtCfg::thaw(): Got another exception while reading:
%1
</source>
        <translation>Tavrin2QtCfg::thaw(): se ha producido otra excepción durante la lectura:
%1
</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it is not an XML document</source>
        <translation>no es un documento XML</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>contiene bytes que no son texto</translation>
    </message>
    <message>
        <source>it ends too early</source>
        <translation>termina antes de tiempo</translation>
    </message>
    <message>
        <source>an element is missing or out of place</source>
        <translation>falta un elemento o está fuera de lugar</translation>
    </message>
    <message>
        <source>it is not well-formed XML</source>
        <translation>no es XML bien formado</translation>
    </message>
    <message>
        <source>it is an XML document of another kind</source>
        <translation>es un documento XML de otro tipo</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>lo ha escrito una versión más reciente</translation>
    </message>
    <message>
        <source>a value in it cannot be read</source>
        <translation>no se puede leer uno de sus valores</translation>
    </message>
</context>
<context>
    <name>Tavrin2QtComm</name>
    <message>
        <source>Several Tavrin devices are attached and none was chosen.
Nothing was sent.</source>
        <translation>Hay varios dispositivos Tavrin conectados y no se ha elegido ninguno.
No se ha enviado nada.</translation>
    </message>
    <message>
        <source>The Tavrin with serial number %1 answers in place of the one with serial number %2.
Nothing was sent.</source>
        <translation>Responde el Tavrin con el número de serie %1 en lugar del que tiene el número de serie %2.
No se ha enviado nada.</translation>
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
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Tavrin is busy with another operation.</source>
        <translation>Tavrin está ocupado con otra operación.</translation>
    </message>
    <message>
        <source>Reading Tavrin...</source>
        <translation>Leyendo Tavrin...</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Espere, por favor</translation>
    </message>
    <message>
        <source>Settings report</source>
        <translation>Informe de ajustes</translation>
    </message>
    <message>
        <source>The Alpha message of the External input</source>
        <translation>El mensaje Alpha de la entrada externa</translation>
    </message>
    <message>
        <source>The Alpha message of Button %1</source>
        <translation>El mensaje Alpha del botón %1</translation>
    </message>
    <message>
        <source>Tavrin refused %1 (%2), answering &quot;%3&quot;.
The commands before it were applied; the ones after it were not sent.</source>
        <translation>Tavrin ha rechazado %1 (%2) con la respuesta &quot;%3&quot;.
Los comandos anteriores se han aplicado; los posteriores no se han enviado.</translation>
    </message>
    <message>
        <source>You are trying to program a %1
device with the %2 UI selected.</source>
        <translation>Está intentando programar un dispositivo
%1 con la interfaz de %2 seleccionada.</translation>
    </message>
    <message>
        <source>Repage is on but the Acknowledge page is off: Tavrin II switches both with one setting, so Repage would be off after the update.
Please turn the Acknowledge page on, or Repage off; nothing was sent.</source>
        <translation>La repetición de aviso está activada, pero el aviso de confirmación está desactivado: Tavrin II activa ambos con un solo ajuste, así que la repetición de aviso quedaría desactivada tras la actualización.
Active el aviso de confirmación o desactive la repetición de aviso; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>Updating Dalen Tavrin...</source>
        <translation>Actualizando Dalen Tavrin...</translation>
    </message>
    <message>
        <source>Updating Tavrin II...</source>
        <translation>Actualizando Tavrin II...</translation>
    </message>
    <message>
        <source>Programming pager...</source>
        <translation>Programando el buscapersonas...</translation>
    </message>
    <message>
        <source>The message of Button 2</source>
        <translation>El mensaje del botón 2</translation>
    </message>
    <message>
        <source>The message of the Button</source>
        <translation>El mensaje del botón</translation>
    </message>
    <message>
        <source>The message of Button 1</source>
        <translation>El mensaje del botón 1</translation>
    </message>
    <message>
        <source>An unused button, switched off</source>
        <translation>Un botón sin usar, desactivado</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>The Low battery page message</source>
        <translation>El mensaje del aviso de batería baja</translation>
    </message>
    <message>
        <source>The Cancel message</source>
        <translation>El mensaje de cancelación</translation>
    </message>
    <message>
        <source>These settings hold %1 button entries and %2 automatic on/off times; Tavrin II needs %3 and %4.
Nothing was sent.</source>
        <translation>Estos ajustes contienen %1 entradas de botón y %2 horas de encendido/apagado automático; Tavrin II necesita %3 y %4.
No se ha enviado nada.</translation>
    </message>
    <message>
        <source>Acknowledge page</source>
        <translation>Aviso de confirmación</translation>
    </message>
    <message>
        <source>The Acknowledge page message</source>
        <translation>El mensaje del aviso de confirmación</translation>
    </message>
    <message>
        <source>Pager number, all-page ID and system ID</source>
        <translation>Número de buscapersonas, ID de aviso general e ID de sistema</translation>
    </message>
    <message>
        <source>The Welcome message</source>
        <translation>El mensaje de bienvenida</translation>
    </message>
    <message>
        <source>Welcome message</source>
        <translation>Mensaje de bienvenida</translation>
    </message>
    <message>
        <source>Group %1 name</source>
        <translation>Nombre del grupo %1</translation>
    </message>
    <message>
        <source>The Group %1 name</source>
        <translation>El nombre del grupo %1</translation>
    </message>
    <message>
        <source>Group %1 pager</source>
        <translation>Buscapersonas del grupo %1</translation>
    </message>
    <message>
        <source>Pager number, system ID and options</source>
        <translation>Número de buscapersonas, ID de sistema y opciones</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Dalen Tavrin ID</source>
        <translation>ID de Dalen Tavrin</translation>
    </message>
    <message>
        <source>System ID</source>
        <translation>ID de sistema</translation>
    </message>
    <message>
        <source>Repage interval</source>
        <translation>Intervalo de repetición de aviso</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Botón</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Botón 2</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Botón 1</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Botón %1</translation>
    </message>
    <message>
        <source>External input</source>
        <translation>Entrada externa</translation>
    </message>
    <message>
        <source>Auto on/off %1 on time</source>
        <translation>Encendido/apagado automático %1: hora de encendido</translation>
    </message>
    <message>
        <source>Auto on/off %1 off time</source>
        <translation>Encendido/apagado automático %1: hora de apagado</translation>
    </message>
    <message>
        <source>Lockout sequence</source>
        <translation>Secuencia de bloqueo</translation>
    </message>
    <message>
        <source>Lockout time</source>
        <translation>Tiempo de bloqueo</translation>
    </message>
    <message>
        <source>Acknowledge page and repage enabled</source>
        <translation>Aviso de confirmación y repetición de aviso activados</translation>
    </message>
    <message>
        <source>Repage enabled</source>
        <translation>Repetición de aviso activada</translation>
    </message>
    <message>
        <source>Beep enabled</source>
        <translation>Pitido activado</translation>
    </message>
    <message>
        <source>Group paging enabled</source>
        <translation>Aviso a grupos activado</translation>
    </message>
    <message>
        <source>Low battery page</source>
        <translation>Aviso de batería baja</translation>
    </message>
    <message>
        <source>Secondary page</source>
        <translation>Aviso secundario</translation>
    </message>
    <message>
        <source>Cancel message</source>
        <translation>Mensaje de cancelación</translation>
    </message>
    <message>
        <source>Tavrin&apos;s answer lacked these settings, which show their defaults instead of the unit&apos;s:
%1</source>
        <translation>A la respuesta de Tavrin le faltaban estos ajustes, que muestran sus valores predeterminados en lugar de los de la unidad:
%1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>Model: sent %1, Tavrin holds %2</source>
        <translation>Modelo: enviado %1, Tavrin contiene %2</translation>
    </message>
    <message>
        <source>%1: sent %2, Tavrin holds %3</source>
        <translation>%1: enviado %2, Tavrin contiene %3</translation>
    </message>
    <message>
        <source>Tavrin answered every command, but when read back it did not report these settings, so the update could not be checked:
%1</source>
        <translation>Tavrin ha respondido a todos los comandos, pero al volver a leerlo no ha informado de estos ajustes, por lo que no se ha podido comprobar la actualización:
%1</translation>
    </message>
    <message>
        <source>Tavrin answered every command, but when read back it does not hold these settings:
%1</source>
        <translation>Tavrin ha respondido a todos los comandos, pero al volver a leerlo no contiene estos ajustes:
%1</translation>
    </message>
    <message>
        <source>%1 contains a comma, which Tavrin would take as the start of another field.
Please remove it; nothing was sent.</source>
        <translation>%1 contiene una coma, que Tavrin tomaría como el inicio de otro campo.
Quítela; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>%1 holds the character &quot;%2&quot;, which Tavrin cannot take.
Please replace it; nothing was sent.</source>
        <translation>%1 contiene el carácter &quot;%2&quot;, que Tavrin no admite.
Sustitúyalo; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>%1 holds the control character %2, which Tavrin cannot show.
Please remove it; nothing was sent.</source>
        <translation>%1 contiene el carácter de control %2, que Tavrin no puede mostrar.
Quítelo; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>%1 holds &quot;\f&quot;, which Tavrin takes as the start of the pager alert code: it would keep another message and alert.
Please remove it; nothing was sent.</source>
        <translation>%1 contiene &quot;\f&quot;, que Tavrin toma como el inicio del código de alerta del buscapersonas: guardaría otro mensaje y otra alerta.
Quítelo; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>The %1 command</source>
        <translation>El comando %1</translation>
    </message>
    <message>
        <source>%1 is too long to send to Tavrin (its command would have %2 characters; a command may hold at most %3).
Nothing was sent.</source>
        <translation>%1 es demasiado largo para enviarlo a Tavrin (su comando tendría %2 caracteres; un comando admite como máximo %3).
No se ha enviado nada.</translation>
    </message>
    <message>
        <source>Model: file holds %1, Tavrin holds %2</source>
        <translation>Modelo: el archivo contiene %1, Tavrin contiene %2</translation>
    </message>
    <message>
        <source>%1: file holds %2, Tavrin holds %3</source>
        <translation>%1: el archivo contiene %2, Tavrin contiene %3</translation>
    </message>
</context>
<context>
    <name>UnitNumbering</name>
    <message>
        <source>&quot;%1&quot; is not a list of numbers such as 12,14,20-35.</source>
        <translation>&quot;%1&quot; no es una lista de números como 12,14,20-35.</translation>
    </message>
    <message>
        <source>The number %1 is outside %2 to %3.</source>
        <translation>El número %1 está fuera del intervalo de %2 a %3.</translation>
    </message>
    <message>
        <source>The number %1 is given twice.</source>
        <translation>El número %1 aparece dos veces.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; no es un número.</translation>
    </message>
    <message>
        <source>no number left in %1</source>
        <translation>no queda ningún número en %1</translation>
    </message>
</context>
<context>
    <name>UnitTextValidator</name>
    <message>
        <source>%1: Tavrin cannot take characters beyond Latin-1</source>
        <translation>%1: Tavrin no admite caracteres fuera de Latin-1</translation>
    </message>
    <message>
        <source>%1: Tavrin cannot show control characters</source>
        <translation>%1: Tavrin no puede mostrar caracteres de control</translation>
    </message>
    <message>
        <source>&quot;,&quot;: a comma would start another field of Tavrin&apos;s command</source>
        <translation>&quot;,&quot;: una coma iniciaría otro campo del comando de Tavrin</translation>
    </message>
</context>
<context>
    <name>UnitWorker</name>
    <message>
        <source>With number %1: %2</source>
        <translation>Con el número %1: %2</translation>
    </message>
    <message>
        <source>Unexpected failure.</source>
        <translation>Error inesperado.</translation>
    </message>
    <message>
        <source>This unit is a %1 and the profile is for a %2; nothing was sent.</source>
        <translation>Esta unidad es un %1 y el perfil es para un %2; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>desconectada</translation>
    </message>
    <message>
        <source>unplugged before it was verified</source>
        <translation>desconectada antes de verificarla</translation>
    </message>
    <message>
        <source>It now holds number %1: plug it in again to finish it.</source>
        <translation>Ahora tiene el número %1: vuelva a conectarla para terminarla.</translation>
    </message>
    <message numerus="yes">
        <source>The %1 is %n characters long; its field takes at most %2. Nothing was sent.</source>
        <translation>
            <numerusform>El campo &quot;%1&quot; tiene %n carácter; admite como máximo %2. No se ha enviado nada.</numerusform>
            <numerusform>El campo &quot;%1&quot; tiene %n caracteres; admite como máximo %2. No se ha enviado nada.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UsbHid</name>
    <message>
        <source>Permission denied opening the Tavrin device. Install the udev rule 70-tavrin.rules (see README) and re-plug the device.
</source>
        <translation>Permiso denegado al abrir el dispositivo Tavrin. Instale la regla udev 70-tavrin.rules (véase README) y vuelva a conectar el dispositivo.
</translation>
    </message>
    <message>
        <source>HID.DLL failed to load</source>
        <translation>No se ha podido cargar HID.DLL</translation>
    </message>
    <message>
        <source>SETUPAPI.DLL failed to load</source>
        <translation>No se ha podido cargar SETUPAPI.DLL</translation>
    </message>
    <message>
        <source>HidD_GetHidGuid not found in HID.DLL</source>
        <translation>No se ha encontrado HidD_GetHidGuid en HID.DLL</translation>
    </message>
    <message>
        <source>HidD_GetAttributes not found in HID.DLL</source>
        <translation>No se ha encontrado HidD_GetAttributes en HID.DLL</translation>
    </message>
    <message>
        <source>SetupDiDestroyDeviceInfoList not found in SETUPAPI.DLL</source>
        <translation>No se ha encontrado SetupDiDestroyDeviceInfoList en SETUPAPI.DLL</translation>
    </message>
    <message>
        <source>SetupDiEnumDeviceInterfaces not found in SETUPAPI.DLL</source>
        <translation>No se ha encontrado SetupDiEnumDeviceInterfaces en SETUPAPI.DLL</translation>
    </message>
    <message>
        <source>SetupDiGetClassDevsA not found in SETUPAPI.DLL</source>
        <translation>No se ha encontrado SetupDiGetClassDevsA en SETUPAPI.DLL</translation>
    </message>
    <message>
        <source>SetupDiGetDeviceInterfaceDetailA not found in SETUPAPI.DLL</source>
        <translation>No se ha encontrado SetupDiGetDeviceInterfaceDetailA en SETUPAPI.DLL</translation>
    </message>
    <message>
        <source>No Tavrin device found
Please verify Tavrin is connected to PC</source>
        <translation>No se ha encontrado ningún dispositivo Tavrin
Compruebe que Tavrin está conectado al PC</translation>
    </message>
    <message>
        <source>SetupDiGetClassDevs failed to open handle to device set</source>
        <translation>SetupDiGetClassDevs no ha podido abrir un identificador para el conjunto de dispositivos</translation>
    </message>
    <message>
        <source>SetupDiGetDeviceInterfaceDetail failed</source>
        <translation>Error de SetupDiGetDeviceInterfaceDetail</translation>
    </message>
    <message>
        <source>getHidGuid passed in NULL guid</source>
        <translation>getHidGuid ha recibido un GUID NULL</translation>
    </message>
    <message>
        <source>WriteFile failed</source>
        <translation>Error de WriteFile</translation>
    </message>
    <message>
        <source>ReadFile failed</source>
        <translation>Error de ReadFile</translation>
    </message>
    <message>
        <source>GetOverlappedResult failed</source>
        <translation>Error de GetOverlappedResult</translation>
    </message>
    <message>
        <source>Lost communication to Tavrin
Please remove then re-attach Tavrin to PC</source>
        <translation>Se ha perdido la comunicación con Tavrin
Desconecte Tavrin del PC y vuelva a conectarlo</translation>
    </message>
    <message>
        <source>Tavrin response indicates an error was
encountered performing current operation</source>
        <translation>La respuesta de Tavrin indica que se ha producido un error
al realizar la operación actual</translation>
    </message>
    <message>
        <source>Detected software version is not supported.
Please contact Orvenna to upgrade.</source>
        <translation>La versión de software detectada no es compatible.
Póngase en contacto con Orvenna para actualizarla.</translation>
    </message>
    <message>
        <source>The Tavrin at %1 is in use by another program.</source>
        <translation>Otro programa está usando el Tavrin de %1.</translation>
    </message>
    <message>
        <source>WARNING: unknown exception</source>
        <translation>ADVERTENCIA: excepción desconocida</translation>
    </message>
    <message numerus="yes">
        <source>The Tavrin device took %1 of %n bytes of a report.
</source>
        <translation>
            <numerusform>El dispositivo Tavrin ha aceptado %1 de %n byte de un informe.
</numerusform>
            <numerusform>El dispositivo Tavrin ha aceptado %1 de %n bytes de un informe.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Command line too long for Tavrin (%n characters, at most %1)</source>
        <translation>
            <numerusform>Línea de comando demasiado larga para Tavrin (%n carácter, como máximo %1)</numerusform>
            <numerusform>Línea de comando demasiado larga para Tavrin (%n caracteres, como máximo %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowStopSignals</name>
    <message>
        <source>Stopped at once; left unverified: %1</source>
        <translation>Detenido al instante; quedan sin verificar: %1</translation>
    </message>
</context>
<context>
    <name>WorkerPool</name>
    <message>
        <source>its row could not be written to the log: %1</source>
        <translation>no se ha podido escribir su fila en el registro: %1</translation>
    </message>
</context>
<context>
    <name>frmProgramPagersBase</name>
    <message>
        <source>Program Pagers</source>
        <translation>Programar buscapersonas</translation>
    </message>
    <message>
        <source>Zell / Coaster</source>
        <translation>Zell / Posavasos</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Número de buscapersonas</translation>
    </message>
    <message>
        <source>Zell / coaster pager # to program</source>
        <translation>N.º de buscapersonas Zell o posavasos que se va a programar</translation>
    </message>
    <message>
        <source>System ID</source>
        <translation>ID de sistema</translation>
    </message>
    <message>
        <source>Zell / coaster pager&apos;s system ID</source>
        <translation>ID de sistema del buscapersonas Zell o posavasos</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Zell Pager</source>
        <translation>Buscapersonas Zell</translation>
    </message>
    <message>
        <source>Select to program zell pager</source>
        <translation>Seleccione para programar un buscapersonas Zell</translation>
    </message>
    <message>
        <source>Coaster</source>
        <translation>Posavasos</translation>
    </message>
    <message>
        <source>Select to program coaster pager</source>
        <translation>Seleccione para programar un posavasos</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Select to indicate guest zell pager</source>
        <translation>Seleccione si es un buscapersonas Zell de cliente</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Encargado</translation>
    </message>
    <message>
        <source>Select to indicate manager zell pager</source>
        <translation>Seleccione si es un buscapersonas Zell de encargado</translation>
    </message>
    <message>
        <source>Vibe On / Off</source>
        <translation>Vibración sí / no</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Select to enable pager vibration</source>
        <translation>Seleccione para activar la vibración del buscapersonas</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Select to disable pager vibration</source>
        <translation>Seleccione para desactivar la vibración del buscapersonas</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Pager Numbers</source>
        <translation>Números de buscapersonas</translation>
    </message>
    <message>
        <source>PAGER:</source>
        <translation>BUSCAPERSONAS:</translation>
    </message>
    <message>
        <source>Alpha pager # to program</source>
        <translation>N.º de buscapersonas Alpha que se va a programar</translation>
    </message>
    <message>
        <source>ALL PAGE:</source>
        <translation>AVISO GENERAL:</translation>
    </message>
    <message>
        <source>ID to program for all page</source>
        <translation>ID que se programa para el aviso general</translation>
    </message>
    <message>
        <source>Alpha pager&apos;s system ID</source>
        <translation>ID de sistema del buscapersonas Alpha</translation>
    </message>
    <message>
        <source>Group Paging</source>
        <translation>Aviso a grupos</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Check to enable group paging</source>
        <translation>Marque para activar el aviso a grupos</translation>
    </message>
    <message>
        <source>Welcome Message</source>
        <translation>Mensaje de bienvenida</translation>
    </message>
    <message>
        <source>Message that will appear after re-inserting Alpha pager battery</source>
        <translation>Mensaje que aparece al volver a colocar la batería del buscapersonas Alpha</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Group 1:</source>
        <translation>Grupo 1:</translation>
    </message>
    <message>
        <source>Group 1 pager #</source>
        <translation>N.º de buscapersonas del grupo 1</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Group 1 name</source>
        <translation>Nombre del grupo 1</translation>
    </message>
    <message>
        <source>Group 2:</source>
        <translation>Grupo 2:</translation>
    </message>
    <message>
        <source>Group 2 pager #</source>
        <translation>N.º de buscapersonas del grupo 2</translation>
    </message>
    <message>
        <source>Group 2 name</source>
        <translation>Nombre del grupo 2</translation>
    </message>
    <message>
        <source>Group 3:</source>
        <translation>Grupo 3:</translation>
    </message>
    <message>
        <source>Group 3 pager #</source>
        <translation>N.º de buscapersonas del grupo 3</translation>
    </message>
    <message>
        <source>Group 3 name</source>
        <translation>Nombre del grupo 3</translation>
    </message>
    <message>
        <source>Group 4:</source>
        <translation>Grupo 4:</translation>
    </message>
    <message>
        <source>Group 4 pager #</source>
        <translation>N.º de buscapersonas del grupo 4</translation>
    </message>
    <message>
        <source>Group 4 name</source>
        <translation>Nombre del grupo 4</translation>
    </message>
    <message>
        <source>Group 5:</source>
        <translation>Grupo 5:</translation>
    </message>
    <message>
        <source>Group 5 pager #</source>
        <translation>N.º de buscapersonas del grupo 5</translation>
    </message>
    <message>
        <source>Group 5 name</source>
        <translation>Nombre del grupo 5</translation>
    </message>
    <message>
        <source>Push to program current settings</source>
        <translation>Pulse para programar los ajustes actuales</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programar</translation>
    </message>
    <message>
        <source>Push to exit program pagers</source>
        <translation>Pulse para salir de Programar buscapersonas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>With group paging enabled, pager numbers 1-98 will page groups.</source>
        <translation>Con el aviso a grupos activado, los números de buscapersonas 1-98 avisan a grupos.</translation>
    </message>
</context>
</TS>
