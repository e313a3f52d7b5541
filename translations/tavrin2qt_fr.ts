<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CfgFieldList</name>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Bouton %1</translation>
    </message>
    <message>
        <source>External input</source>
        <translation>Entrée externe</translation>
    </message>
    <message>
        <source>Auto on/off %1 enabled</source>
        <translation>Marche/arrêt auto %1, activé</translation>
    </message>
    <message>
        <source>Auto on/off %1 on time</source>
        <translation>Marche/arrêt auto %1, heure de marche</translation>
    </message>
    <message>
        <source>Auto on/off %1 off time</source>
        <translation>Marche/arrêt auto %1, heure d&apos;arrêt</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Verrouillage</translation>
    </message>
    <message>
        <source>Lockout time (seconds)</source>
        <translation>Durée de verrouillage (secondes)</translation>
    </message>
    <message>
        <source>Lockout sequence 1</source>
        <translation>Séquence de verrouillage 1</translation>
    </message>
    <message>
        <source>Lockout sequence 2</source>
        <translation>Séquence de verrouillage 2</translation>
    </message>
    <message>
        <source>Lockout sequence 3</source>
        <translation>Séquence de verrouillage 3</translation>
    </message>
    <message>
        <source>System ID</source>
        <translation>ID système</translation>
    </message>
    <message>
        <source>Group paging enabled</source>
        <translation>Appel de groupe activé</translation>
    </message>
    <message>
        <source>Repage enabled</source>
        <translation>Répétition d&apos;appel activée</translation>
    </message>
    <message>
        <source>Repage interval (seconds)</source>
        <translation>Intervalle de répétition d&apos;appel (secondes)</translation>
    </message>
    <message>
        <source>Low battery page enabled</source>
        <translation>Appel batterie faible activé</translation>
    </message>
    <message>
        <source>Low battery page pager</source>
        <translation>Appel batterie faible, récepteur</translation>
    </message>
    <message>
        <source>Low battery page message</source>
        <translation>Appel batterie faible, message</translation>
    </message>
    <message>
        <source>Acknowledge page enabled</source>
        <translation>Appel d&apos;acquittement activé</translation>
    </message>
    <message>
        <source>Acknowledge page pager</source>
        <translation>Appel d&apos;acquittement, récepteur</translation>
    </message>
    <message>
        <source>Acknowledge page message</source>
        <translation>Appel d&apos;acquittement, message</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1, activé</translation>
    </message>
    <message>
        <source>%1 setting</source>
        <translation>%1, réglage</translation>
    </message>
    <message>
        <source>%1 pager</source>
        <translation>%1, récepteur</translation>
    </message>
    <message>
        <source>%1 type</source>
        <translation>%1, type</translation>
    </message>
    <message>
        <source>%1 mode</source>
        <translation>%1, mode</translation>
    </message>
    <message>
        <source>%1 message</source>
        <translation>%1, message</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Bouton 2</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Bouton</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Bouton 1</translation>
    </message>
    <message>
        <source>Dalen Tavrin ID</source>
        <translation>ID Dalen Tavrin</translation>
    </message>
    <message>
        <source>Beep enabled</source>
        <translation>Bip activé</translation>
    </message>
    <message>
        <source>Secondary page enabled</source>
        <translation>Appel secondaire activé</translation>
    </message>
    <message>
        <source>Secondary page pager</source>
        <translation>Appel secondaire, récepteur</translation>
    </message>
    <message>
        <source>Cancel message enabled</source>
        <translation>Message d&apos;annulation activé</translation>
    </message>
    <message>
        <source>Cancel message</source>
        <translation>Message d&apos;annulation</translation>
    </message>
    <message>
        <source>1, 2 or 10</source>
        <translation>1, 2 ou 10</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>Client</translation>
    </message>
    <message>
        <source>VIBE 1</source>
        <comment>zell pgr vibration mode 1</comment>
        <translation>VIBREUR 1</translation>
    </message>
    <message>
        <source>VIBE 2</source>
        <comment>zell pgr vibration mode 2</comment>
        <translation>VIBREUR 2</translation>
    </message>
    <message>
        <source>VIBE 3</source>
        <comment>zell pgr vibration mode 3</comment>
        <translation>VIBREUR 3</translation>
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
        <translation>Normalement ouvert</translation>
    </message>
    <message>
        <source>Normally Closed</source>
        <translation>Normalement fermé</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Vibe 1</source>
        <translation>Vibreur 1</translation>
    </message>
    <message>
        <source>Vibe 2</source>
        <translation>Vibreur 2</translation>
    </message>
    <message>
        <source>Vibe 3</source>
        <translation>Vibreur 3</translation>
    </message>
    <message>
        <source>Beep 1</source>
        <translation>Bip 1</translation>
    </message>
    <message>
        <source>Beep 2</source>
        <translation>Bip 2</translation>
    </message>
    <message>
        <source>Beep 3</source>
        <translation>Bip 3</translation>
    </message>
    <message>
        <source>Vibe-Beep 1</source>
        <translation>Vibreur-bip 1</translation>
    </message>
    <message>
        <source>Vibe-Beep 2</source>
        <translation>Vibreur-bip 2</translation>
    </message>
    <message>
        <source>Vibe-Beep 3</source>
        <translation>Vibreur-bip 3</translation>
    </message>
    <message>
        <source>Look Down</source>
        <translation>Regarder l&apos;écran</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Indefinite</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
</context>
<context>
    <name>CfgFile</name>
    <message>
        <source>Could not read from %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, far larger than any configuration file.</source>
        <translation>Il dépasse %1 Mo, bien plus que n&apos;importe quel fichier de configuration.</translation>
    </message>
    <message>
        <source>Could not write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>The %1 holds the character %2, which Tavrin cannot take.
Please replace it; the file was not loaded.</source>
        <translation>Le champ «&#xa0;%1&#xa0;» contient le caractère %2, que Tavrin ne peut pas accepter.
Veuillez le remplacer&#xa0;; le fichier n&apos;a pas été chargé.</translation>
    </message>
    <message>
        <source>The %1 holds the character &quot;%2&quot;, which Tavrin cannot take.
Please replace it; the file was not saved.</source>
        <translation>Le champ «&#xa0;%1&#xa0;» contient le caractère «&#xa0;%2&#xa0;», que Tavrin ne peut pas accepter.
Veuillez le remplacer&#xa0;; le fichier n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Unable to load config file</source>
        <translation>Impossible de charger le fichier de configuration</translation>
    </message>
    <message>
        <source>Unable to save config file</source>
        <translation>Impossible d&apos;enregistrer le fichier de configuration</translation>
    </message>
    <message numerus="yes">
        <source>The %1 is %n characters long; its field takes at most %2.
Please shorten it; the file was not loaded.</source>
        <translation>
            <numerusform>Le champ «&#xa0;%1&#xa0;» compte %n caractère&#xa0;; il en accepte au plus %2.
Veuillez le raccourcir&#xa0;; le fichier n&apos;a pas été chargé.</numerusform>
            <numerusform>Le champ «&#xa0;%1&#xa0;» compte %n caractères&#xa0;; il en accepte au plus %2.
Veuillez le raccourcir&#xa0;; le fichier n&apos;a pas été chargé.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Tavrin configuration file (it could not be read as one: %2)</source>
        <translation>%1 n&apos;est pas un fichier de configuration Tavrin (il n&apos;a pas pu être lu comme tel&#xa0;: %2)</translation>
    </message>
</context>
<context>
    <name>CliAllUnits</name>
    <message>
        <source> (port %1)</source>
        <translation> (port %1)</translation>
    </message>
    <message>
        <source>No Tavrin device found</source>
        <translation>Aucun appareil Tavrin trouvé</translation>
    </message>
    <message>
        <source>%1 holds {n} in a message text, but the units are not numbered; nothing was sent. Number them with --number-from N or --numbers LIST.</source>
        <translation>%1 contient {n} dans un texte de message, mais les unités ne sont pas numérotées&#xa0;; rien n&apos;a été envoyé. Numérotez-les avec --number-from N ou --numbers LISTE.</translation>
    </message>
    <message>
        <source>left out (--exclude-serial)</source>
        <translation>exclue (--exclude-serial)</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>ignorée&#xa0;: %1</translation>
    </message>
    <message>
        <source>FAILED: %1</source>
        <translation>ÉCHEC&#xa0;: %1</translation>
    </message>
    <message>
        <source>written and verified (%1 s)</source>
        <translation>écrite et vérifiée (%1 s)</translation>
    </message>
    <message>
        <source>written (not verified) (%1 s)</source>
        <translation>écrite (non vérifiée) (%1 s)</translation>
    </message>
    <message>
        <source>%1 written and verified, %2 failed</source>
        <translation>%1 écrite(s) et vérifiée(s), %2 en échec</translation>
    </message>
    <message>
        <source>%1 written (not verified), %2 failed</source>
        <translation>%1 écrite(s) (non vérifiée(s)), %2 en échec</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 ignorée(s)</translation>
    </message>
    <message>
        <source>writing...</source>
        <translation>écriture...</translation>
    </message>
    <message>
        <source>Waiting for units; Ctrl+C to stop.</source>
        <translation>En attente d&apos;unités&#xa0;; Ctrl+C pour arrêter.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>its serial number &quot;%1&quot; cannot name a file; nothing was saved.</source>
        <translation>son numéro de série «&#xa0;%1&#xa0;» ne peut pas servir de nom de fichier&#xa0;; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>another unit has the same serial number; nothing was saved.</source>
        <translation>une autre unité a le même numéro de série&#xa0;; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>saved as %1</source>
        <translation>enregistrée sous %1</translation>
    </message>
    <message>
        <source>%1 saved, %2 failed</source>
        <translation>%1 enregistrée(s), %2 en échec</translation>
    </message>
    <message>
        <source>cannot be compared: </source>
        <translation>comparaison impossible&#xa0;: </translation>
    </message>
    <message>
        <source>matches</source>
        <translation>identique</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>différente&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 match, %2 differ, %3 failed</source>
        <translation>%1 identique(s), %2 différente(s), %3 en échec</translation>
    </message>
    <message>
        <source>Waiting for units (%1 to do); Ctrl+C to stop.</source>
        <translation>En attente d&apos;unités (%1 à faire)&#xa0;; Ctrl+C pour arrêter.</translation>
    </message>
    <message>
        <source>, %1 to do</source>
        <translation>, %1 à faire</translation>
    </message>
    <message>
        <source>Nothing was saved; --allow-incomplete saves them with their defaults.</source>
        <translation>Rien n&apos;a été enregistré&#xa0;; --allow-incomplete les enregistre avec leurs valeurs par défaut.</translation>
    </message>
    <message>
        <source>%1: file holds %2, Tavrin holds %3</source>
        <translation>%1&#xa0;: le fichier contient %2, Tavrin contient %3</translation>
    </message>
</context>
<context>
    <name>CliApp</name>
    <message>
        <source>Several Tavrin units are attached; choose one with --device PATH or --serial SERIAL. Nothing was sent.</source>
        <translation>Plusieurs unités Tavrin sont branchées&#xa0;; choisissez-en une avec --device CHEMIN ou --serial NUMÉRO. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>No Tavrin unit is attached at %1.</source>
        <translation>Aucune unité Tavrin n&apos;est branchée sur %1.</translation>
    </message>
    <message>
        <source>No attached Tavrin unit has the serial number %1.</source>
        <translation>Aucune unité Tavrin branchée n&apos;a le numéro de série %1.</translation>
    </message>
    <message>
        <source>Several attached Tavrin units have the serial number %1; choose one with --device PATH.</source>
        <translation>Plusieurs unités Tavrin branchées ont le numéro de série %1&#xa0;; choisissez-en une avec --device CHEMIN.</translation>
    </message>
    <message>
        <source>No Tavrin unit is attached.</source>
        <translation>Aucune unité Tavrin n&apos;est branchée.</translation>
    </message>
    <message>
        <source>No Tavrin device found</source>
        <translation>Aucun appareil Tavrin trouvé</translation>
    </message>
    <message>
        <source>Not every attached unit answered.</source>
        <translation>Les unités branchées n&apos;ont pas toutes répondu.</translation>
    </message>
    <message>
        <source>Nothing was written; --allow-incomplete writes them with their defaults.</source>
        <translation>Rien n&apos;a été écrit&#xa0;; --allow-incomplete les écrit avec leurs valeurs par défaut.</translation>
    </message>
    <message>
        <source>The unit cannot be compared with %1:</source>
        <translation>L&apos;unité ne peut pas être comparée avec %1&#xa0;:</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>identique</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>différente</translation>
    </message>
    <message>
        <source>station needs --log LOG: the log of the units provisioned.</source>
        <translation>station exige --log JOURNAL&#xa0;: le journal des unités provisionnées.</translation>
    </message>
    <message>
        <source>--%1 needs a whole number of at least %2.</source>
        <translation>--%1 exige un nombre entier d&apos;au moins %2.</translation>
    </message>
    <message>
        <source>Cannot compare: %1 cannot be read.</source>
        <translation>Comparaison impossible&#xa0;: %1 ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>CliCommandLine</name>
    <message>
        <source>Show the attached unit&apos;s model, firmware and serial number.</source>
        <translation>Affiche le modèle, le micrologiciel et le numéro de série de l&apos;unité branchée.</translation>
    </message>
    <message>
        <source>Read the unit&apos;s settings as a configuration file (standard output, or -o FILE).</source>
        <translation>Lit les paramètres de l&apos;unité sous forme de fichier de configuration (sortie standard, ou -o FICHIER).</translation>
    </message>
    <message>
        <source>Write a configuration file into the unit, as Update does.</source>
        <translation>Écrit un fichier de configuration dans l&apos;unité, comme le fait Mettre à jour.</translation>
    </message>
    <message>
        <source>List the settings of a configuration file.</source>
        <translation>Liste les paramètres d&apos;un fichier de configuration.</translation>
    </message>
    <message>
        <source>Program an Alpha pager through the unit.</source>
        <translation>Programme un récepteur Alpha par l&apos;intermédiaire de l&apos;unité.</translation>
    </message>
    <message>
        <source>Program a Zell pager or a coaster through the unit.</source>
        <translation>Programme un récepteur Zell ou un sous-verre par l&apos;intermédiaire de l&apos;unité.</translation>
    </message>
    <message>
        <source>List the settings in which two configuration files differ (exit status 1 when they do).</source>
        <translation>Liste les paramètres qui diffèrent entre deux fichiers de configuration (code de sortie 1 s&apos;ils diffèrent).</translation>
    </message>
    <message>
        <source>List the attached units: device path, model, firmware and serial number; fails without any.</source>
        <translation>Liste les unités branchées&#xa0;: chemin de l&apos;appareil, modèle, micrologiciel et numéro de série&#xa0;; échoue s&apos;il n&apos;y en a aucune.</translation>
    </message>
    <message>
        <source>Read the unit and compare it with a configuration file, writing nothing (exit status 1 when it differs).</source>
        <translation>Lit l&apos;unité et la compare à un fichier de configuration, sans rien écrire (code de sortie 1 si elle diffère).</translation>
    </message>
    <message>
        <source>Write and verify FILE into every unit attached and every unit plugged in until stopped, several at once, each once per plug-in; needs --log.</source>
        <translation>Écrit et vérifie FICHIER dans chaque unité déjà branchée et dans chaque unité branchée ensuite, jusqu&apos;à l&apos;arrêt, plusieurs à la fois, une fois par branchement&#xa0;; exige --log.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Aucune commande indiquée.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Commande inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is given more than once.</source>
        <translation>%1 est indiqué plusieurs fois.</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 ne s&apos;applique pas à %2.</translation>
    </message>
    <message>
        <source>--transcript needs --simulate or --simulate-from.</source>
        <translation>--transcript exige --simulate ou --simulate-from.</translation>
    </message>
    <message>
        <source>--device and --serial both choose the unit: give one of them.</source>
        <translation>--device et --serial choisissent tous deux l&apos;unité&#xa0;: indiquez l&apos;un des deux.</translation>
    </message>
    <message>
        <source>--all takes every attached unit: --device and --serial do not go with it.</source>
        <translation>--all prend toutes les unités branchées&#xa0;: --device et --serial ne s&apos;utilisent pas avec.</translation>
    </message>
    <message>
        <source>--exclude-serial goes with --all.</source>
        <translation>--exclude-serial s&apos;utilise avec --all.</translation>
    </message>
    <message>
        <source>read --all needs -o FOLDER: a file per unit goes there.</source>
        <translation>read --all exige -o DOSSIER&#xa0;: un fichier par unité y est placé.</translation>
    </message>
    <message>
        <source>--number-from and --numbers both number the units: give one of them.</source>
        <translation>--number-from et --numbers numérotent tous deux les unités&#xa0;: indiquez l&apos;un des deux.</translation>
    </message>
    <message>
        <source>--exclude-serial is empty: give the unit&apos;s serial number (see list).</source>
        <translation>--exclude-serial est vide&#xa0;: indiquez le numéro de série de l&apos;unité (voir list).</translation>
    </message>
    <message>
        <source>--%1 is empty: give the unit&apos;s %2 (see list).</source>
        <translation>--%1 est vide&#xa0;: indiquez le %2 de l&apos;unité (voir list).</translation>
    </message>
    <message>
        <source>device path</source>
        <translation>chemin d&apos;appareil</translation>
    </message>
    <message>
        <source>serial number</source>
        <translation>numéro de série</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes&#xa0;:</translation>
    </message>
    <message>
        <source>Options of every command:</source>
        <translation>Options de toutes les commandes&#xa0;:</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>Also print the traces of the device talk on standard error.</source>
        <translation>Affiche aussi les traces des échanges avec l&apos;appareil sur la sortie d&apos;erreur standard.</translation>
    </message>
    <message>
        <source>Talk to a virtual unit instead of USB: tavrin2, dalen or dalen2. It answers at once. Several models separated by commas (tavrin2,dalen) attach several units, with serial numbers 00012345, 00012346 and so on.</source>
        <translation>Dialogue avec une unité virtuelle au lieu de l&apos;USB&#xa0;: tavrin2, dalen ou dalen2. Elle répond immédiatement. Plusieurs modèles séparés par des virgules (tavrin2,dalen) branchent plusieurs unités, avec les numéros de série 00012345, 00012346, etc.</translation>
    </message>
    <message>
        <source>The virtual unit (the first of several) starts with FILE&apos;s settings (and its model, unless --simulate is given).</source>
        <translation>L&apos;unité virtuelle (la première s&apos;il y en a plusieurs) démarre avec les paramètres de FICHIER (et son modèle, sauf si --simulate est indiqué).</translation>
    </message>
    <message>
        <source>Options of detect, read, write, check, program-alpha and program-zell:</source>
        <translation>Options de detect, read, write, check, program-alpha et program-zell&#xa0;:</translation>
    </message>
    <message>
        <source>Write the file also when the unit did not report some settings (they keep their defaults); without it such a read fails and writes nothing.</source>
        <translation>Écrit le fichier même si l&apos;unité n&apos;a pas transmis certains paramètres (ils gardent leurs valeurs par défaut)&#xa0;; sans cette option, une telle lecture échoue et n&apos;écrit rien.</translation>
    </message>
    <message>
        <source>Options of write:</source>
        <translation>Options de write&#xa0;:</translation>
    </message>
    <message>
        <source>Do not read the unit back to check that it holds what was written.</source>
        <translation>Ne relit pas l&apos;unité pour vérifier qu&apos;elle contient ce qui a été écrit.</translation>
    </message>
    <message>
        <source>Append a row for each unit tried to the provisioning log FILE (CSV; created with a header row), on disk before the unit&apos;s result is printed.</source>
        <translation>Ajoute une ligne pour chaque unité traitée au journal de provisionnement FICHIER (CSV&#xa0;; créé avec une ligne d&apos;en-tête), enregistrée sur le disque avant l&apos;affichage du résultat de l&apos;unité.</translation>
    </message>
    <message>
        <source>Number the units from N (1-9999): a Dalen unit&apos;s ID becomes its number, and {n} in a message text stands for it ({{ for a literal {).</source>
        <translation>Numérote les unités à partir de N (1-9999)&#xa0;: l&apos;ID d&apos;une unité Dalen devient son numéro, et {n} dans un texte de message le remplace ({{ pour une accolade { littérale).</translation>
    </message>
    <message>
        <source>Options of read, write and check:</source>
        <translation>Options de read, write et check&#xa0;:</translation>
    </message>
    <message>
        <source>Every attached unit at once, one line each as it finishes, then a summary (read: -o names a folder, one file per unit named by serial number).</source>
        <translation>Toutes les unités branchées à la fois, une ligne pour chacune dès qu&apos;elle a terminé, puis un récapitulatif (read&#xa0;: -o désigne un dossier, un fichier par unité nommé d&apos;après son numéro de série).</translation>
    </message>
    <message>
        <source>With --all: leave the unit with this serial number alone (may be given more than once).</source>
        <translation>Avec --all&#xa0;: exclut l&apos;unité ayant ce numéro de série (peut être indiqué plusieurs fois).</translation>
    </message>
    <message>
        <source>Options of detect, show, diff, list and check, and of read and write with --all:</source>
        <translation>Options de detect, show, diff, list et check, ainsi que de read et write avec --all&#xa0;:</translation>
    </message>
    <message>
        <source>Options of station:</source>
        <translation>Options de station&#xa0;:</translation>
    </message>
    <message>
        <source>Required: the provisioning log, as with write. Units it shows verified with the same profile are left alone; one station per log.</source>
        <translation>Obligatoire&#xa0;: le journal de provisionnement, comme pour write. Les unités qu&apos;il indique comme vérifiées avec le même profil sont laissées de côté&#xa0;; un seul poste par journal.</translation>
    </message>
    <message>
        <source>Write units the log shows verified with this profile again.</source>
        <translation>Écrit de nouveau les unités que le journal indique comme vérifiées avec ce profil.</translation>
    </message>
    <message>
        <source>Leave the unit with this serial number alone (may be given more than once).</source>
        <translation>Exclut l&apos;unité ayant ce numéro de série (peut être indiqué plusieurs fois).</translation>
    </message>
    <message>
        <source>Stop after SECONDS in which no unit was in flight and none was plugged in.</source>
        <translation>S&apos;arrête après SECONDES sans aucune unité en cours ni aucun branchement.</translation>
    </message>
    <message>
        <source>As with write; a number is used up only by a verified unit.</source>
        <translation>Comme pour write&#xa0;; un numéro n&apos;est consommé que par une unité vérifiée.</translation>
    </message>
    <message>
        <source>One object per unit, then a summary object.</source>
        <translation>Un objet par unité, puis un objet récapitulatif.</translation>
    </message>
    <message>
        <source>Without --number-from or --numbers, numbering continues after the highest number of the log, if it holds any. Stops on SIGINT or SIGTERM after the units in flight; a second signal stops at once. Exit status 0 when no unit failed.</source>
        <translation>Sans --number-from ni --numbers, la numérotation reprend après le numéro le plus élevé du journal, s&apos;il en contient. S&apos;arrête sur SIGINT ou SIGTERM après les unités en cours&#xa0;; un second signal arrête immédiatement. Code de sortie 0 si aucune unité n&apos;a échoué.</translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 1 when the unit or a file failed, 2 for a wrong command line or when several units are attached and none was chosen. diff: 0 when the files hold the same settings, 1 when they differ, 2 when a file cannot be read. check: 1 also when a unit differs. With --all: 1 when any unit failed or none is attached.</source>
        <translation>Code de sortie&#xa0;: 0 en cas de succès, 1 si l&apos;unité ou un fichier a échoué, 2 pour une ligne de commande incorrecte ou si plusieurs unités sont branchées et qu&apos;aucune n&apos;a été choisie. diff&#xa0;: 0 si les fichiers contiennent les mêmes paramètres, 1 s&apos;ils diffèrent, 2 si un fichier ne peut pas être lu. check&#xa0;: 1 également si une unité diffère. Avec --all&#xa0;: 1 si une unité a échoué ou si aucune n&apos;est branchée.</translation>
    </message>
    <message>
        <source>Write every line the virtual unit received to FILE, one per line (a line break in a line as \n), also on failure.</source>
        <translation>Écrit dans FICHIER chaque ligne reçue par l&apos;unité virtuelle, une par ligne (un saut de ligne dans une ligne s&apos;écrit \n), même en cas d&apos;échec.</translation>
    </message>
    <message>
        <source>Use the unit at this device path (see list).</source>
        <translation>Utilise l&apos;unité à ce chemin d&apos;appareil (voir list).</translation>
    </message>
    <message>
        <source>Use the unit with this serial number (see list).</source>
        <translation>Utilise l&apos;unité ayant ce numéro de série (voir list).</translation>
    </message>
    <message>
        <source>With several units attached one of these is required: the command refuses and lists them.</source>
        <translation>Si plusieurs unités sont branchées, l&apos;une de ces options est obligatoire&#xa0;: sinon la commande refuse et les liste.</translation>
    </message>
    <message>
        <source>Options of read:</source>
        <translation>Options de read&#xa0;:</translation>
    </message>
    <message>
        <source>Write the configuration file to FILE (replaced only when complete).</source>
        <translation>Écrit le fichier de configuration dans FICHIER (remplacé seulement s&apos;il est complet).</translation>
    </message>
    <message>
        <source>Print JSON for scripts (with --all: one object per unit, then a summary object; check of one unit: that unit&apos;s object, as with --all).</source>
        <translation>Affiche du JSON pour les scripts (avec --all&#xa0;: un objet par unité, puis un objet récapitulatif&#xa0;; check d&apos;une seule unité&#xa0;: l&apos;objet de cette unité, comme avec --all).</translation>
    </message>
    <message>
        <source>Print only each unit&apos;s end and the summary: no line when the station starts waiting or a unit&apos;s write begins.</source>
        <translation>Affiche seulement la fin de chaque unité et le récapitulatif&#xa0;: aucune ligne quand le poste se met en attente ou que l&apos;écriture d&apos;une unité commence.</translation>
    </message>
    <message>
        <source>Options of program-alpha:</source>
        <translation>Options de program-alpha&#xa0;:</translation>
    </message>
    <message>
        <source>Pager number, 1-9999 (100-9999 with group paging on). Required.</source>
        <translation>Numéro du récepteur, 1-9999 (100-9999 avec l&apos;appel de groupe activé). Obligatoire.</translation>
    </message>
    <message>
        <source>All page ID, 1-9999 (default 911).</source>
        <translation>ID d&apos;appel général, 1-9999 (911 par défaut).</translation>
    </message>
    <message>
        <source>System ID, 0-13 (default 0).</source>
        <translation>ID système, 0-13 (0 par défaut).</translation>
    </message>
    <message>
        <source>Welcome message: at most 3 lines and 48 characters, no comma; \n starts a new line, \\ is a backslash.</source>
        <translation>Message d&apos;accueil&#xa0;: au plus 3 lignes et 48 caractères, sans virgule&#xa0;; \n commence une nouvelle ligne, \\ est une barre oblique inverse.</translation>
    </message>
    <message>
        <source>Group paging (default off).</source>
        <translation>Appel de groupe (désactivé par défaut).</translation>
    </message>
    <message>
        <source>Group %1: pager 0-98 (0 = not used), name of at most %2 characters without comma. Needs group paging on.</source>
        <translation>Groupe %1&#xa0;: récepteur 0-98 (0 = inutilisé), nom d&apos;au plus %2 caractères sans virgule. Exige l&apos;appel de groupe activé.</translation>
    </message>
    <message>
        <source>Options of program-zell:</source>
        <translation>Options de program-zell&#xa0;:</translation>
    </message>
    <message>
        <source>Pager or coaster number, 1-9999. Required.</source>
        <translation>Numéro du récepteur ou du sous-verre, 1-9999. Obligatoire.</translation>
    </message>
    <message>
        <source>Program a Zell pager or a coaster (default zell).</source>
        <translation>Programme un récepteur Zell ou un sous-verre (zell par défaut).</translation>
    </message>
    <message>
        <source>A guest or a manager Zell pager (default guest).</source>
        <translation>Récepteur Zell de client ou de responsable (guest par défaut).</translation>
    </message>
    <message>
        <source>Vibration (default on).</source>
        <translation>Vibreur (on par défaut).</translation>
    </message>
    <message>
        <source>Usage: %1 [options] COMMAND [ARGUMENTS]</source>
        <translation>Utilisation&#xa0;: %1 [options] COMMANDE [ARGUMENTS]</translation>
    </message>
    <message>
        <source>Configures the attached Tavrin unit from the command line, for installers who set up many units,
and lists and compares configuration files (.t2c) of the window and of this command.</source>
        <translation>Configure l&apos;unité Tavrin branchée depuis la ligne de commande, pour les installateurs qui préparent de nombreuses unités,
et liste et compare les fichiers de configuration (.t2c) de la fenêtre et de cette commande.</translation>
    </message>
    <message>
        <source>A numbered check takes the numbers from the log: check --all --log LOG with --number-from N or --numbers LIST.</source>
        <translation>Une vérification numérotée prend les numéros dans le journal&#xa0;: check --all --log LOG avec --number-from N ou --numbers LIST.</translation>
    </message>
    <message>
        <source>check takes --log only for a numbered check, with --number-from N or --numbers LIST.</source>
        <translation>check n&apos;accepte --log que pour une vérification numérotée, avec --number-from N ou --numbers LIST.</translation>
    </message>
    <message>
        <source>Options of write, and of check with --all:</source>
        <translation>Options de write, et de check avec --all&#xa0;:</translation>
    </message>
    <message>
        <source>Number the units from a list, such as 12,14,20-35; the summary says how many of them are left.</source>
        <translation>Numérote les unités à partir d&apos;une liste, par exemple 12,14,20-35&#xa0;; le récapitulatif indique combien il en reste.</translation>
    </message>
    <message>
        <source>check --all with --log and --number-from or --numbers checks a numbered batch: each unit against FILE with the number the log gave it; a unit the log did not number with FILE fails.</source>
        <translation>check --all avec --log et --number-from ou --numbers vérifie un lot numéroté&#xa0;: chaque unité est comparée à FILE avec le numéro que le journal lui a donné&#xa0;; une unité que le journal n&apos;a pas numérotée avec FILE est en échec.</translation>
    </message>
    <message>
        <source>Stop after N units were verified; the first line and the summary say how many remain.</source>
        <translation>S&apos;arrête après N unités vérifiées&#xa0;; la première ligne et le récapitulatif indiquent combien il en reste.</translation>
    </message>
    <message>
        <source>As with write; when they run out the station takes no more units, finishes those in flight and exits with status 1.</source>
        <translation>Comme pour write&#xa0;; une fois les numéros épuisés, le poste ne prend plus d&apos;unités, termine celles en cours et se termine avec le code de sortie 1.</translation>
    </message>
</context>
<context>
    <name>CliSimulation</name>
    <message>
        <source>Unknown model &quot;%1&quot; for --simulate: use tavrin2, dalen or dalen2.</source>
        <translation>Modèle inconnu «&#xa0;%1&#xa0;» pour --simulate&#xa0;: utilisez tavrin2, dalen ou dalen2.</translation>
    </message>
    <message>
        <source>%1 holds the settings of no model the virtual unit can be.</source>
        <translation>%1 ne contient les paramètres d&apos;aucun modèle que l&apos;unité virtuelle peut simuler.</translation>
    </message>
    <message>
        <source>--simulate %1 is another model than the settings of %2.</source>
        <translation>--simulate %1 est un autre modèle que celui des paramètres de %2.</translation>
    </message>
    <message>
        <source>The virtual unit cannot take the settings of %1:
%2</source>
        <translation>L&apos;unité virtuelle ne peut pas accepter les paramètres de %1&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>CliStationCommand</name>
    <message>
        <source>%1 was already provisioned with this profile on %2</source>
        <translation>L&apos;unité %1 a déjà été provisionnée avec ce profil le %2</translation>
    </message>
    <message>
        <source>Stopping after the units in flight; a second signal stops at once.</source>
        <translation>Arrêt après les unités en cours&#xa0;; un second signal arrête immédiatement.</translation>
    </message>
    <message>
        <source>Stopped at once; left unverified: %1</source>
        <translation>Arrêt immédiat&#xa0;; non vérifiées&#xa0;: %1</translation>
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
        <translation>Pour Dalen Tavrin&#xa0;: veuillez débrancher puis rebrancher le câble USB.

Pour Tavrin II&#xa0;: appuyez brièvement sur le bouton d&apos;acquittement situé sur le côté.

REMARQUE&#xa0;: si l&apos;«&#xa0;Assistant Ajout de nouveau matériel&#xa0;» apparaît, procédez ainsi&#xa0;:
1) Sélectionnez l&apos;option «&#xa0;Non, pas pour cette fois&#xa0;», puis Suivant
2) Sélectionnez «&#xa0;Installer à partir d&apos;une liste ou d&apos;un emplacement spécifié (utilisateurs expérimentés)&#xa0;», puis Suivant
3) Demandez une recherche dans le dossier suivant&#xa0;:
&quot;C:\Program Files\Atmel\Flip 3.3.1\usb&quot;, puis Suivant, puis Terminer
4) Attendez que le message indique que le nouveau matériel est prêt à être utilisé, puis cliquez sur OK ci-dessous</translation>
    </message>
    <message>
        <source>For DalenTavrin - Please unplug then re-plug USB cable.

For TavrinII - Momentarily press the Acknowledgment button on the side.

NOTE: the update is written with dfu-programmer, which must be installed.
Without root, the udev rule 70-tavrin.rules (installed with this utility)
lets your user reach the boot loader (USB device 03eb:2ff9).
Wait a few seconds for the boot loader to attach, then press OK below</source>
        <translation>Pour Dalen Tavrin&#xa0;: veuillez débrancher puis rebrancher le câble USB.

Pour Tavrin II&#xa0;: appuyez brièvement sur le bouton d&apos;acquittement situé sur le côté.

REMARQUE&#xa0;: la mise à jour est écrite avec dfu-programmer, qui doit être installé.
Sans droits root, la règle udev 70-tavrin.rules (installée avec cet utilitaire)
permet à votre utilisateur d&apos;accéder au chargeur d&apos;amorçage (périphérique USB 03eb:2ff9).
Attendez quelques secondes que le chargeur d&apos;amorçage se connecte, puis cliquez sur OK ci-dessous</translation>
    </message>
    <message>
        <source>Updating Firmware...</source>
        <translation>Mise à jour du micrologiciel...</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>Start boot-loader</source>
        <translation>Démarrer le chargeur d&apos;amorçage</translation>
    </message>
    <message>
        <source>Waiting for the boot loader: %1 s (at most %2 s)...</source>
        <translation>Attente du chargeur d&apos;amorçage&#xa0;: %1 s (au plus %2 s)...</translation>
    </message>
    <message>
        <source>Writing the firmware...</source>
        <translation>Écriture du micrologiciel...</translation>
    </message>
    <message>
        <source>Choose a firmware file to load</source>
        <translation>Choisir un fichier de micrologiciel à charger</translation>
    </message>
    <message>
        <source>Firmware files (*.%1)</source>
        <translation>Fichiers de micrologiciel (*.%1)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>File: %1, has wrong filename format.
Do you want to load it anyway?</source>
        <translation>Le nom du fichier %1 n&apos;a pas le format attendu.
Voulez-vous le charger quand même&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>The firmware update is complete.
Please unplug then re-plug USB cable.</source>
        <translation>La mise à jour du micrologiciel est terminée.
Veuillez débrancher puis rebrancher le câble USB.</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>The flashing tool %1 could not be started:
%2</source>
        <translation>L&apos;outil de programmation %1 n&apos;a pas pu être lancé&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>FrmProgramPagers</name>
    <message>
        <source>Program Pagers stays open until the pager is programmed.</source>
        <translation>La fenêtre Programmer des récepteurs reste ouverte jusqu&apos;à ce que le récepteur soit programmé.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid Welcome Message text...
up to 3 lines and 48 characters max
- no commas allowed</source>
        <translation>Texte du message d&apos;accueil non valide...
3 lignes et 48 caractères au maximum
- virgules interdites</translation>
    </message>
    <message>
        <source>Alpha pager %1 programmed</source>
        <translation>Récepteur Alpha %1 programmé</translation>
    </message>
    <message>
        <source>Coaster %1 programmed</source>
        <translation>Sous-verre %1 programmé</translation>
    </message>
    <message>
        <source>Zell pager %1 programmed</source>
        <translation>Récepteur Zell %1 programmé</translation>
    </message>
</context>
<context>
    <name>FrmProvisionUnits</name>
    <message>
        <source>Provision Units</source>
        <translation>Provisionner des unités</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Finishes the units being written, then stops</source>
        <translation>Termine les unités en cours d&apos;écriture, puis s&apos;arrête</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The profile&apos;s messages hold {n}, which only numbered units can take: every unit would get it as it stands. Number the units, or take {n} out of the messages.</source>
        <translation>Les messages du profil contiennent {n}, que seules des unités numérotées peuvent recevoir&#xa0;: chaque unité le recevrait tel quel. Numérotez les unités, ou retirez {n} des messages.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>The &amp;form&apos;s settings</source>
        <translation>Les paramètres du f&amp;ormulaire</translation>
    </message>
    <message>
        <source>A configuration f&amp;ile:</source>
        <translation>Un fichier de &amp;configuration&#xa0;:</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Fichier de configuration</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>C&amp;hoisir...</translation>
    </message>
    <message>
        <source>Choose configuration file</source>
        <translation>Choisir le fichier de configuration</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Fichier journal</translation>
    </message>
    <message>
        <source>Ch&amp;oose...</source>
        <translation>Cho&amp;isir...</translation>
    </message>
    <message>
        <source>Choose log file</source>
        <translation>Choisir le fichier journal</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>Fichier &amp;journal&#xa0;:</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Numérotation</translation>
    </message>
    <message>
        <source>&amp;Number the units from</source>
        <translation>&amp;Numéroter les unités à partir de</translation>
    </message>
    <message>
        <source>First unit number</source>
        <translation>Numéro de la première unité</translation>
    </message>
    <message>
        <source>Each unit gets the next number: a Dalen unit&apos;s ID, and {n} in the profile&apos;s messages.</source>
        <translation>Chaque unité reçoit le numéro suivant&#xa0;: l&apos;ID d&apos;une unité Dalen, et {n} dans les messages du profil.</translation>
    </message>
    <message>
        <source>Units left as they are</source>
        <translation>Unités laissées telles quelles</translation>
    </message>
    <message>
        <source>serial numbers, such as 00012345 00012346</source>
        <translation>numéros de série, par exemple 00012345 00012346</translation>
    </message>
    <message>
        <source>Serial numbers of units left out</source>
        <translation>Numéros de série des unités exclues</translation>
    </message>
    <message>
        <source>Le&amp;ave out:</source>
        <translation>&amp;Exclure&#xa0;:</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>The selected unit, which failed, is written again</source>
        <translation>L&apos;unité sélectionnée, qui a échoué, est écrite de nouveau</translation>
    </message>
    <message>
        <source>%1, profile %2</source>
        <translation>%1, profil %2</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Charger un fichier</translation>
    </message>
    <message>
        <source>Choose a profile</source>
        <translation>Choisir un profil</translation>
    </message>
    <message>
        <source>Tavrin Config (*.%1)</source>
        <translation>Configuration Tavrin (*.%1)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>A configuration f&amp;ile (%1):</source>
        <translation>Un fichier de &amp;configuration (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Fichier journal</translation>
    </message>
    <message>
        <source>Log the units to</source>
        <translation>Consigner les unités dans</translation>
    </message>
    <message>
        <source>Provisioning log (*.csv)</source>
        <translation>Journal de provisionnement (*.csv)</translation>
    </message>
    <message>
        <source>Profile: %1 (%2); log: %3</source>
        <translation>Profil&#xa0;: %1 (%2)&#xa0;; journal&#xa0;: %3</translation>
    </message>
    <message>
        <source>the form&apos;s settings</source>
        <translation>les paramètres du formulaire</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arrêt en cours...</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>vérification</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifiée</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>already provisioned</source>
        <translation>déjà provisionnée</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>exclue</translation>
    </message>
    <message>
        <source>unplugged before it was verified</source>
        <translation>débranchée avant d&apos;être vérifiée</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progression de %1</translation>
    </message>
    <message>
        <source>Verified: %1    Failed: %2    Skipped: %3</source>
        <translation>Vérifiées&#xa0;: %1    En échec&#xa0;: %2    Ignorées&#xa0;: %3</translation>
    </message>
    <message>
        <source>Elapsed: %1:%2:%3</source>
        <translation>Écoulé&#xa0;: %1:%2:%3</translation>
    </message>
    <message>
        <source>Warning: these are the form&apos;s default settings, never read from a unit nor loaded from a file. Start would write factory defaults to every unit.</source>
        <translation>Attention&#xa0;: ce sont les paramètres par défaut du formulaire, ni lus depuis une unité ni chargés depuis un fichier. Démarrer écrirait les paramètres d&apos;usine dans chaque unité.</translation>
    </message>
    <message>
        <source>Read from unit %1.</source>
        <translation>Paramètres lus depuis l&apos;unité %1.</translation>
    </message>
    <message>
        <source>Loaded from %1.</source>
        <translation>Paramètres chargés depuis %1.</translation>
    </message>
    <message>
        <source>The form&apos;s settings (edited).</source>
        <translation>Les paramètres du formulaire (modifiés).</translation>
    </message>
    <message>
        <source>The form&apos;s default settings.</source>
        <translation>Les paramètres par défaut du formulaire.</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>numéro %1</translation>
    </message>
    <message>
        <source>System ID %1; button 1: pager %2.</source>
        <translation>ID système %1&#xa0;; bouton 1&#xa0;: récepteur %2.</translation>
    </message>
    <message>
        <source>System ID %1; button 1: pager %2, message “%3”.</source>
        <translation>ID système %1&#xa0;; bouton 1&#xa0;: récepteur %2, message «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>It is %1.</source>
        <translation>Il s&apos;agit de %1.</translation>
    </message>
    <message>
        <source>New rows are added to this log.</source>
        <translation>Les nouvelles lignes sont ajoutées à ce journal.</translation>
    </message>
    <message>
        <source>A new log is made.</source>
        <translation>Un nouveau journal est créé.</translation>
    </message>
    <message>
        <source>This log numbered its units up to %1; the numbers its units hold are passed over.</source>
        <translation>Ce journal a numéroté ses unités jusqu&apos;à %1&#xa0;; les numéros que portent ses unités sont sautés.</translation>
    </message>
    <message>
        <source>This log numbered its units; the next unit gets %1. Ticking the box numbers from the number chosen instead, passing over the numbers the log&apos;s units hold.</source>
        <translation>Ce journal a numéroté ses unités&#xa0;; la prochaine unité reçoit %1. Cocher la case numérote plutôt à partir du numéro choisi, en sautant les numéros que portent les unités du journal.</translation>
    </message>
    <message>
        <source>“%1…” cannot be left out: a serial number has at most %2 characters.</source>
        <translation>Impossible d&apos;exclure «&#xa0;%1…&#xa0;»&#xa0;: un numéro de série a au plus %2 caractères.</translation>
    </message>
    <message>
        <source>Leaves out 1 unit: %1</source>
        <translation>Exclut 1 unité&#xa0;: %1</translation>
    </message>
    <message>
        <source>Leaves out %1 units: %2</source>
        <translation>Exclut %1 unités&#xa0;: %2</translation>
    </message>
    <message>
        <source>Open Lo&amp;g</source>
        <translation>Ouvrir le journa&amp;l</translation>
    </message>
    <message>
        <source>Open Fol&amp;der</source>
        <translation>Ouvrir le do&amp;ssier</translation>
    </message>
    <message>
        <source>No program opens %1.</source>
        <translation>Aucun programme n&apos;ouvre %1.</translation>
    </message>
    <message>
        <source>This log numbered its units up to %1: no number is left for the next unit. Tick the box to number from a number its units do not hold.</source>
        <translation>Ce journal a numéroté ses unités jusqu&apos;à %1&#xa0;: il ne reste aucun numéro pour la prochaine unité. Cochez la case pour numéroter à partir d&apos;un numéro que ses unités ne portent pas.</translation>
    </message>
    <message>
        <source>Press Stop first: 1 unit is being written</source>
        <translation>Appuyez d&apos;abord sur Arrêter&#xa0;: 1 unité est en cours d&apos;écriture</translation>
    </message>
    <message>
        <source>Press Stop first: %1 units are being written</source>
        <translation>Appuyez d&apos;abord sur Arrêter&#xa0;: %1 unités sont en cours d&apos;écriture</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>A short sound when a unit is verified and when one fails</source>
        <translation>Un son bref quand une unité est vérifiée et quand une unité échoue</translation>
    </message>
    <message>
        <source>not started: the station was stopping</source>
        <translation>non démarrée&#xa0;: le poste était en cours d&apos;arrêt</translation>
    </message>
    <message>
        <source>already provisioned on %1</source>
        <translation>déjà provisionnée le %1</translation>
    </message>
    <message>
        <source>superseded: verified on a later plug-in (here: %1)</source>
        <translation>remplacée&#xa0;: vérifiée lors d&apos;un branchement ultérieur (ici&#xa0;: %1)</translation>
    </message>
    <message>
        <source>1 unit being written</source>
        <translation>1 unité en cours d&apos;écriture</translation>
    </message>
    <message>
        <source>%1 units being written</source>
        <translation>%1 unités en cours d&apos;écriture</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Arrêté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Arrêt en cours</translation>
    </message>
    <message>
        <source>Stopping: %1</source>
        <translation>Arrêt en cours&#xa0;: %1</translation>
    </message>
    <message>
        <source>Waiting for units — plug them in</source>
        <translation>En attente d&apos;unités — branchez-les</translation>
    </message>
    <message>
        <source>The units with these serial numbers (the reference unit, for one) stay attached without being written.</source>
        <translation>Les unités portant ces numéros de série (l&apos;unité de référence, par exemple) restent branchées sans être écrites.</translation>
    </message>
</context>
<context>
    <name>FrmTavrin2Qt</name>
    <message>
        <source>VIBE 1</source>
        <comment>zell pgr vibration mode 1</comment>
        <translation>VIBREUR 1</translation>
    </message>
    <message>
        <source>VIBE 2</source>
        <comment>zell pgr vibration mode 2</comment>
        <translation>VIBREUR 2</translation>
    </message>
    <message>
        <source>VIBE 3</source>
        <comment>zell pgr vibration mode 3</comment>
        <translation>VIBREUR 3</translation>
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
        <translation>Numéro de récepteur non valide, valeur par défaut utilisée</translation>
    </message>
    <message>
        <source>Invalid external input setting, using default</source>
        <translation>Réglage d&apos;entrée externe non valide, valeur par défaut utilisée</translation>
    </message>
    <message>
        <source>Invalid pager type, using default</source>
        <translation>Type de récepteur non valide, valeur par défaut utilisée</translation>
    </message>
    <message>
        <source>Invalid pager mode, using default</source>
        <translation>Mode de récepteur non valide, valeur par défaut utilisée</translation>
    </message>
    <message>
        <source>Unable to load config file</source>
        <translation>Impossible de charger le fichier de configuration</translation>
    </message>
    <message>
        <source>Unable to save config file</source>
        <translation>Impossible d&apos;enregistrer le fichier de configuration</translation>
    </message>
    <message>
        <source>The window stays open until the Tavrin operation has ended.</source>
        <translation>La fenêtre reste ouverte jusqu&apos;à la fin de l&apos;opération Tavrin.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Bouton %1</translation>
    </message>
    <message>
        <source>External input</source>
        <translation>Entrée externe</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1, activé</translation>
    </message>
    <message>
        <source>%1 pager</source>
        <translation>%1, récepteur</translation>
    </message>
    <message>
        <source>%1 setting</source>
        <translation>%1, réglage</translation>
    </message>
    <message>
        <source>%1 type</source>
        <translation>%1, type</translation>
    </message>
    <message>
        <source>%1 mode</source>
        <translation>%1, mode</translation>
    </message>
    <message>
        <source>%1 Zell message</source>
        <translation>%1, message Zell</translation>
    </message>
    <message>
        <source>%1 Alpha message</source>
        <translation>%1, message Alpha</translation>
    </message>
    <message>
        <source>%1 message</source>
        <translation>%1, message</translation>
    </message>
    <message>
        <source>Low battery page enabled</source>
        <translation>Appel batterie faible activé</translation>
    </message>
    <message>
        <source>Low battery pager</source>
        <translation>Récepteur batterie faible</translation>
    </message>
    <message>
        <source>Low battery message</source>
        <translation>Message batterie faible</translation>
    </message>
    <message>
        <source>Acknowledge page enabled</source>
        <translation>Appel d&apos;acquittement activé</translation>
    </message>
    <message>
        <source>Acknowledge pager</source>
        <translation>Récepteur d&apos;acquittement</translation>
    </message>
    <message>
        <source>Acknowledge message</source>
        <translation>Message d&apos;acquittement</translation>
    </message>
    <message>
        <source>Auto on/off 1 enabled</source>
        <translation>Marche/arrêt auto 1, activé</translation>
    </message>
    <message>
        <source>Auto on/off 1 on time</source>
        <translation>Marche/arrêt auto 1, heure de marche</translation>
    </message>
    <message>
        <source>Auto on/off 1 off time</source>
        <translation>Marche/arrêt auto 1, heure d&apos;arrêt</translation>
    </message>
    <message>
        <source>Auto on/off 2 enabled</source>
        <translation>Marche/arrêt auto 2, activé</translation>
    </message>
    <message>
        <source>Auto on/off 2 on time</source>
        <translation>Marche/arrêt auto 2, heure de marche</translation>
    </message>
    <message>
        <source>Auto on/off 2 off time</source>
        <translation>Marche/arrêt auto 2, heure d&apos;arrêt</translation>
    </message>
    <message>
        <source>Auto on/off 3 enabled</source>
        <translation>Marche/arrêt auto 3, activé</translation>
    </message>
    <message>
        <source>Auto on/off 3 on time</source>
        <translation>Marche/arrêt auto 3, heure de marche</translation>
    </message>
    <message>
        <source>Auto on/off 3 off time</source>
        <translation>Marche/arrêt auto 3, heure d&apos;arrêt</translation>
    </message>
    <message>
        <source>Secondary page enabled</source>
        <translation>Appel secondaire activé</translation>
    </message>
    <message>
        <source>Secondary pager</source>
        <translation>Récepteur secondaire</translation>
    </message>
    <message>
        <source>Cancel message enabled</source>
        <translation>Message d&apos;annulation activé</translation>
    </message>
    <message>
        <source>Cancel message</source>
        <translation>Message d&apos;annulation</translation>
    </message>
    <message>
        <source>Repage enabled</source>
        <translation>Répétition d&apos;appel activée</translation>
    </message>
    <message>
        <source>Repage interval</source>
        <translation>Intervalle de répétition d&apos;appel</translation>
    </message>
    <message>
        <source>Tavrin II unit with buttons 1 to 5</source>
        <translation>Unité Tavrin II avec les boutons 1 à 5</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Bouton</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Bouton 2</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Bouton 1</translation>
    </message>
    <message>
        <source>Dalen Tavrin - 2 Button unit with buttons 1 and 2</source>
        <translation>Unité Dalen Tavrin - 2 Button avec les boutons 1 et 2</translation>
    </message>
    <message>
        <source>Dalen Tavrin unit with one button</source>
        <translation>Unité Dalen Tavrin avec un seul bouton</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>To reset Tavrin, please remove
then re-attach Tavrin to PC</source>
        <translation>Pour réinitialiser Tavrin, veuillez le débrancher
puis le rebrancher sur le PC</translation>
    </message>
    <message>
        <source>%1, serial number %2 (%3)</source>
        <translation>%1, numéro de série %2 (%3)</translation>
    </message>
    <message>
        <source>%1, not answering (%2)</source>
        <translation>%1, ne répond pas (%2)</translation>
    </message>
    <message>
        <source>Several Tavrin Devices Found</source>
        <translation>Plusieurs appareils Tavrin trouvés</translation>
    </message>
    <message>
        <source>USB Tavrin Configuration Utility
Version %1
Version Date: %2</source>
        <translation>Utilitaire de configuration USB Tavrin
Version %1
Date de version&#xa0;: %2</translation>
    </message>
    <message>
        <source>Another Tavrin Device Found</source>
        <translation>Autre appareil Tavrin trouvé</translation>
    </message>
    <message>
        <source>The Tavrin with serial number %1 is no longer attached.
Please select the Tavrin to use:</source>
        <translation>Le Tavrin de numéro de série %1 n&apos;est plus branché.
Veuillez sélectionner le Tavrin à utiliser&#xa0;:</translation>
    </message>
    <message>
        <source>The Tavrin with serial number %1 is no longer attached, and no other was chosen.
Nothing was sent.</source>
        <translation>Le Tavrin de numéro de série %1 n&apos;est plus branché, et aucun autre n&apos;a été choisi.
Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Please select the Tavrin to use:</source>
        <translation>Veuillez sélectionner le Tavrin à utiliser&#xa0;:</translation>
    </message>
    <message>
        <source>No Tavrin Device Found</source>
        <translation>Aucun appareil Tavrin trouvé</translation>
    </message>
    <message>
        <source>Please select your Tavrin type:</source>
        <translation>Veuillez sélectionner votre type de Tavrin&#xa0;:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Settings written to %1 %2</source>
        <translation>Paramètres écrits dans %1 %2</translation>
    </message>
    <message>
        <source>Tavrin Config (*.%1)</source>
        <translation>Configuration Tavrin (*.%1)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Save config file as</source>
        <translation>Enregistrer le fichier de configuration sous</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Charger un fichier</translation>
    </message>
    <message>
        <source>Choose a config file to load</source>
        <translation>Choisir un fichier de configuration à charger</translation>
    </message>
    <message>
        <source>This file is not a Tavrin configuration, or it is damaged.</source>
        <translation>Ce fichier n&apos;est pas une configuration Tavrin, ou il est endommagé.</translation>
    </message>
    <message>
        <source>Loaded %1: settings of a %2</source>
        <translation>%1 chargé&#xa0;: paramètres d&apos;un %2</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>%1 chargé</translation>
    </message>
    <message>
        <source>%1 was not loaded: a Tavrin operation is in progress.</source>
        <translation>%1 n&apos;a pas été chargé&#xa0;: une opération Tavrin est en cours.</translation>
    </message>
    <message>
        <source>Not taken in the %1 field: %2.</source>
        <translation>Refusé dans le champ %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The configuration is incomplete: it holds %1 of %2 button settings
and %3 of %4 auto on/off times.</source>
        <translation>La configuration est incomplète&#xa0;: elle contient %1 réglages de bouton sur %2
et %3 heures de marche/arrêt auto sur %4.</translation>
    </message>
    <message>
        <source>Invalid Tavrin type detected!</source>
        <translation>Type de Tavrin détecté non valide&#xa0;!</translation>
    </message>
    <message>
        <source>You are trying to update a type %2
UI with a connected type %1 device.</source>
        <translation>Vous essayez de mettre à jour une interface de type %2
avec un appareil branché de type %1.</translation>
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
        <translation>Boutons et entrées</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ENABLED&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ACTIVÉ&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;PAGER&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;RÉCEPTEUR&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;TYPE&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;TYPE&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MODE&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MODE&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MESSAGE&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MESSAGE&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;1&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 1</source>
        <translation>Cochez pour activer le bouton 1</translation>
    </message>
    <message>
        <source>Pager # to page for button 1</source>
        <translation>N° du récepteur à appeler pour le bouton 1</translation>
    </message>
    <message>
        <source>Pager type to page for button 1</source>
        <translation>Type du récepteur à appeler pour le bouton 1</translation>
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
        <translation>Client</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 1</source>
        <translation>Mode du récepteur pour l&apos;appel du bouton 1</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 1</source>
        <translation>Message pour récepteur de type Alpha, bouton 1</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 1</source>
        <translation>Message pour récepteur de type Zell, bouton 1</translation>
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
        <translation>Cochez pour activer le bouton 2</translation>
    </message>
    <message>
        <source>Pager # to page for button 2</source>
        <translation>N° du récepteur à appeler pour le bouton 2</translation>
    </message>
    <message>
        <source>Pager type to page for button 2</source>
        <translation>Type du récepteur à appeler pour le bouton 2</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 2</source>
        <translation>Mode du récepteur pour l&apos;appel du bouton 2</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 2</source>
        <translation>Message pour récepteur de type Alpha, bouton 2</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 2</source>
        <translation>Message pour récepteur de type Zell, bouton 2</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;3&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 3</source>
        <translation>Cochez pour activer le bouton 3</translation>
    </message>
    <message>
        <source>Pager # to page for button 3</source>
        <translation>N° du récepteur à appeler pour le bouton 3</translation>
    </message>
    <message>
        <source>Pager type to page for button 3</source>
        <translation>Type du récepteur à appeler pour le bouton 3</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 3</source>
        <translation>Mode du récepteur pour l&apos;appel du bouton 3</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 3</source>
        <translation>Message pour récepteur de type Alpha, bouton 3</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 3</source>
        <translation>Message pour récepteur de type Zell, bouton 3</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;4&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 4</source>
        <translation>Cochez pour activer le bouton 4</translation>
    </message>
    <message>
        <source>Pager # to page for button 4</source>
        <translation>N° du récepteur à appeler pour le bouton 4</translation>
    </message>
    <message>
        <source>Pager type to page for button 4</source>
        <translation>Type du récepteur à appeler pour le bouton 4</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 4</source>
        <translation>Mode du récepteur pour l&apos;appel du bouton 4</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 4</source>
        <translation>Message pour récepteur de type Alpha, bouton 4</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 4</source>
        <translation>Message pour récepteur de type Zell, bouton 4</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;5&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;5&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable button 5</source>
        <translation>Cochez pour activer le bouton 5</translation>
    </message>
    <message>
        <source>Pager # to page for button 5</source>
        <translation>N° du récepteur à appeler pour le bouton 5</translation>
    </message>
    <message>
        <source>Pager type to page for button 5</source>
        <translation>Type du récepteur à appeler pour le bouton 5</translation>
    </message>
    <message>
        <source>Pager mode to use with page for button 5</source>
        <translation>Mode du récepteur pour l&apos;appel du bouton 5</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for button 5</source>
        <translation>Message pour récepteur de type Alpha, bouton 5</translation>
    </message>
    <message>
        <source>Zell pager type messsage for button 5</source>
        <translation>Message pour récepteur de type Zell, bouton 5</translation>
    </message>
    <message>
        <source>External Input</source>
        <translation>Entrée externe</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;SETTING&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;RÉGLAGE&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable external input</source>
        <translation>Cochez pour activer l&apos;entrée externe</translation>
    </message>
    <message>
        <source>Page setting for external input - page on open-to-close or close-to-open</source>
        <translation>Déclenchement de l&apos;appel par l&apos;entrée externe&#xa0;: à la fermeture ou à l&apos;ouverture du contact</translation>
    </message>
    <message>
        <source>Normally Open</source>
        <translation>Normalement ouvert</translation>
    </message>
    <message>
        <source>Normally Closed</source>
        <translation>Normalement fermé</translation>
    </message>
    <message>
        <source>Pager # to page upon external input</source>
        <translation>N° du récepteur à appeler sur l&apos;entrée externe</translation>
    </message>
    <message>
        <source>Pager type to page upon external input</source>
        <translation>Type du récepteur à appeler sur l&apos;entrée externe</translation>
    </message>
    <message>
        <source>Pager mode to use with external input page</source>
        <translation>Mode du récepteur pour l&apos;appel de l&apos;entrée externe</translation>
    </message>
    <message>
        <source>Alpha pager type messsage for external input</source>
        <translation>Message pour récepteur de type Alpha, entrée externe</translation>
    </message>
    <message>
        <source>Zell pager type messsage for external input</source>
        <translation>Message pour récepteur de type Zell, entrée externe</translation>
    </message>
    <message>
        <source>Advanced Features</source>
        <translation>Fonctions avancées</translation>
    </message>
    <message>
        <source>Auto On / Off</source>
        <translation>Marche / arrêt auto</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ON&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;MARCHE&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;OFF&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;ARRÊT&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check to enable auto on/off 1</source>
        <translation>Cochez pour activer la marche/arrêt auto 1</translation>
    </message>
    <message>
        <source>Turn Tavrin on - time 1</source>
        <translation>Mise en marche de Tavrin - heure 1</translation>
    </message>
    <message>
        <source>Turn Tavrin off - time 1</source>
        <translation>Arrêt de Tavrin - heure 1</translation>
    </message>
    <message>
        <source>Check to enable auto on/off 2</source>
        <translation>Cochez pour activer la marche/arrêt auto 2</translation>
    </message>
    <message>
        <source>Turn Tavrin on - time 2</source>
        <translation>Mise en marche de Tavrin - heure 2</translation>
    </message>
    <message>
        <source>Turn Tavrin off - time 2</source>
        <translation>Arrêt de Tavrin - heure 2</translation>
    </message>
    <message>
        <source>Check to enable auto on/off 3</source>
        <translation>Cochez pour activer la marche/arrêt auto 3</translation>
    </message>
    <message>
        <source>Turn Tavrin on - time 3</source>
        <translation>Mise en marche de Tavrin - heure 3</translation>
    </message>
    <message>
        <source>Turn Tavrin off - time 3</source>
        <translation>Arrêt de Tavrin - heure 3</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Verrouillage</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>&lt;b&gt;LOCKOUT SETTINGS&lt;/b&gt;</source>
        <translation>&lt;b&gt;RÉGLAGES DE VERROUILLAGE&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;LOCKOUT SEQUENCE&lt;/b&gt;</source>
        <translation>&lt;b&gt;SÉQUENCE DE VERROUILLAGE&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Indefinite</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source> (seconds)</source>
        <translation> (secondes)</translation>
    </message>
    <message>
        <source>Lockout duration</source>
        <translation>Durée de verrouillage</translation>
    </message>
    <message>
        <source>First (of 3) page button to press to lockout Tavrin</source>
        <translation>Premier (sur 3) bouton d&apos;appel à presser pour verrouiller Tavrin</translation>
    </message>
    <message>
        <source>Second (of 3) page button to press to lockout Tavrin</source>
        <translation>Deuxième (sur 3) bouton d&apos;appel à presser pour verrouiller Tavrin</translation>
    </message>
    <message>
        <source>Third (of 3) page button to press to lockout Tavrin</source>
        <translation>Troisième (sur 3) bouton d&apos;appel à presser pour verrouiller Tavrin</translation>
    </message>
    <message>
        <source>System ID</source>
        <translation>ID système</translation>
    </message>
    <message>
        <source>System ID Tavrin pages to - should match pager system ID</source>
        <translation>ID système utilisé par Tavrin pour ses appels - doit correspondre à l&apos;ID système des récepteurs</translation>
    </message>
    <message>
        <source>Group Paging</source>
        <translation>Appel de groupe</translation>
    </message>
    <message>
        <source>Check to enable group paging</source>
        <translation>Cochez pour activer l&apos;appel de groupe</translation>
    </message>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Mise à niveau du micrologiciel</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mettre à niveau</translation>
    </message>
    <message>
        <source>Push to upgrade firmware</source>
        <translation>Cliquez pour mettre à niveau le micrologiciel</translation>
    </message>
    <message>
        <source>Repage</source>
        <translation>Répétition d&apos;appel</translation>
    </message>
    <message>
        <source>Check to enable repaging</source>
        <translation>Cochez pour activer la répétition d&apos;appel</translation>
    </message>
    <message>
        <source>&lt;b&gt;INTERVAL&lt;/b&gt;</source>
        <translation>&lt;b&gt;INTERVALLE&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Interval at which to repage</source>
        <translation>Intervalle de répétition de l&apos;appel</translation>
    </message>
    <message>
        <source>Low Battery Page</source>
        <translation>Appel batterie faible</translation>
    </message>
    <message>
        <source>Check to enable low battery page</source>
        <translation>Cochez pour activer l&apos;appel batterie faible</translation>
    </message>
    <message>
        <source>Pager # to page if low battery page enabled</source>
        <translation>N° du récepteur à appeler si l&apos;appel batterie faible est activé</translation>
    </message>
    <message>
        <source>Message to send with low battery page</source>
        <translation>Message envoyé avec l&apos;appel batterie faible</translation>
    </message>
    <message>
        <source>Acknowledge Page</source>
        <translation>Appel d&apos;acquittement</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Bouton</translation>
    </message>
    <message>
        <source>Pager # to page when button pushed</source>
        <translation>N° du récepteur à appeler quand le bouton est pressé</translation>
    </message>
    <message>
        <source>Message sent when button pushed</source>
        <translation>Message envoyé quand le bouton est pressé</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Vibe 1</source>
        <translation>Vibreur 1</translation>
    </message>
    <message>
        <source>Vibe 2</source>
        <translation>Vibreur 2</translation>
    </message>
    <message>
        <source>Vibe 3</source>
        <translation>Vibreur 3</translation>
    </message>
    <message>
        <source>Beep 1</source>
        <translation>Bip 1</translation>
    </message>
    <message>
        <source>Beep 2</source>
        <translation>Bip 2</translation>
    </message>
    <message>
        <source>Beep 3</source>
        <translation>Bip 3</translation>
    </message>
    <message>
        <source>Vibe-Beep 1</source>
        <translation>Vibreur-bip 1</translation>
    </message>
    <message>
        <source>Vibe-Beep 2</source>
        <translation>Vibreur-bip 2</translation>
    </message>
    <message>
        <source>Vibe-Beep 3</source>
        <translation>Vibreur-bip 3</translation>
    </message>
    <message>
        <source>Look Down</source>
        <translation>Regarder l&apos;écran</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Bouton 2</translation>
    </message>
    <message>
        <source>Dalen Tavrin ID</source>
        <translation>ID Dalen Tavrin</translation>
    </message>
    <message>
        <source>Number sent with message</source>
        <translation>Numéro envoyé avec le message</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Check to enable beep</source>
        <translation>Cochez pour activer le bip</translation>
    </message>
    <message>
        <source>Secondary Page</source>
        <translation>Appel secondaire</translation>
    </message>
    <message>
        <source>Check to enable alert page if low battery</source>
        <translation>Cochez pour activer l&apos;appel d&apos;alerte en cas de batterie faible</translation>
    </message>
    <message>
        <source>Pager # to page when low battery page enabled</source>
        <translation>N° du récepteur à appeler quand l&apos;appel batterie faible est activé</translation>
    </message>
    <message>
        <source>Cancel Message</source>
        <translation>Message d&apos;annulation</translation>
    </message>
    <message>
        <source>Message sent with low batttery page</source>
        <translation>Message envoyé avec l&apos;appel batterie faible</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;INTERVAL&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;left&quot;&gt;&lt;b&gt;INTERVALLE&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Read
Tavrin</source>
        <translation>Lire
Tavrin</translation>
    </message>
    <message>
        <source>Push to read current settings from Tavrin</source>
        <translation>Cliquez pour lire les paramètres actuels de Tavrin</translation>
    </message>
    <message>
        <source>Update
Tavrin</source>
        <translation>Mettre à jour
Tavrin</translation>
    </message>
    <message>
        <source>Push to send current settings to Tavrin</source>
        <translation>Cliquez pour envoyer les paramètres actuels à Tavrin</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;right&quot;&gt;Serial Number:&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;right&quot;&gt;Numéro de série&#xa0;:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tavrin&apos;s serial number</source>
        <translation>Numéro de série de Tavrin</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;right&quot;&gt;Firmware:&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;right&quot;&gt;Micrologiciel&#xa0;:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tavrin&apos;s firmware version</source>
        <translation>Version du micrologiciel de Tavrin</translation>
    </message>
    <message>
        <source>&lt;b&gt;With group paging enabled, pager numbers 1-98 will page groups.&lt;/b&gt;</source>
        <translation>&lt;b&gt;Avec l&apos;appel de groupe activé, les numéros de récepteur 1-98 appellent des groupes.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Select Device</source>
        <translation>&amp;Sélectionner l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Load Configuration</source>
        <translation>&amp;Charger une configuration</translation>
    </message>
    <message>
        <source>Load existing Tavrin configuration file</source>
        <translation>Charger un fichier de configuration Tavrin existant</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Save current settings to Tavrin configuration file</source>
        <translation>Enregistrer les paramètres actuels dans un fichier de configuration Tavrin</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit from application</source>
        <translation>Quitter l&apos;application</translation>
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
        <translation>Sélectionner l&apos;appareil Tavrin II</translation>
    </message>
    <message>
        <source>Select Dalen Tavrin device</source>
        <translation>Sélectionner l&apos;appareil Dalen Tavrin</translation>
    </message>
    <message>
        <source>Dalen Tavrin - &amp;2 Button</source>
        <translation>Dalen Tavrin - &amp;2 Button</translation>
    </message>
    <message>
        <source>Select Dalen Tavrin - 2 Button Device </source>
        <translation>Sélectionner l&apos;appareil Dalen Tavrin - 2 Button </translation>
    </message>
    <message>
        <source>&amp;Program Pagers</source>
        <translation>Pro&amp;grammer des récepteurs</translation>
    </message>
    <message>
        <source>Program pagers</source>
        <translation>Programmer des récepteurs</translation>
    </message>
    <message>
        <source>Pro&amp;vision Units...</source>
        <translation>Pro&amp;visionner des unités...</translation>
    </message>
    <message>
        <source>Program every unit plugged in with one profile</source>
        <translation>Programmer chaque unité branchée avec un même profil</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Reset Tavrin device</source>
        <translation>Réinitialiser l&apos;appareil Tavrin</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Displays application info</source>
        <translation>Affiche les informations sur l&apos;application</translation>
    </message>
    <message>
        <source>&amp;Initialize</source>
        <translation>&amp;Initialiser</translation>
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
        <translation>Le journal %1 ne peut pas être écrit (%2)&#xa0;; aucune autre unité n&apos;est démarrée.</translation>
    </message>
    <message>
        <source>stopped before it was verified</source>
        <translation>arrêtée avant d&apos;être vérifiée</translation>
    </message>
    <message>
        <source>The station takes no more units: %1.</source>
        <translation>Le poste ne prend plus d&apos;unités&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>Latin1Text</name>
    <message>
        <source> (tab)</source>
        <translation> (tabulation)</translation>
    </message>
    <message>
        <source> (line feed)</source>
        <translation> (saut de ligne)</translation>
    </message>
    <message>
        <source> (carriage return)</source>
        <translation> (retour chariot)</translation>
    </message>
</context>
<context>
    <name>PagerOptions</name>
    <message>
        <source>A coaster is always a guest: --who manager needs --kind zell.</source>
        <translation>Un sous-verre est toujours un client&#xa0;: --who manager exige --kind zell.</translation>
    </message>
    <message>
        <source>Invalid Welcome Message text...
up to 3 lines and 48 characters max
- no commas allowed</source>
        <translation>Texte du message d&apos;accueil non valide...
3 lignes et 48 caractères au maximum
- virgules interdites</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3.</source>
        <translation>--%1 accepte un nombre de %2 à %3.</translation>
    </message>
    <message>
        <source>--%1 is required.</source>
        <translation>--%1 est obligatoire.</translation>
    </message>
    <message>
        <source>--%1 takes %2 or %3.</source>
        <translation>--%1 accepte %2 ou %3.</translation>
    </message>
    <message>
        <source>--%1 needs --group-paging on.</source>
        <translation>--%1 exige --group-paging on.</translation>
    </message>
    <message>
        <source>--%1 takes a pager number from %2 to %3 (0 = not used), then a comma and the group&apos;s name.</source>
        <translation>--%1 accepte un numéro de récepteur de %2 à %3 (0 = inutilisé), suivi d&apos;une virgule et du nom du groupe.</translation>
    </message>
    <message>
        <source>Group names may not contain commas (--%1).</source>
        <translation>Les noms de groupe ne peuvent pas contenir de virgule (--%1).</translation>
    </message>
    <message>
        <source>The name of group %1 takes at most %2 characters.</source>
        <translation>Le nom du groupe %1 accepte au plus %2 caractères.</translation>
    </message>
</context>
<context>
    <name>ProvisionLog</name>
    <message>
        <source>Could not write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>The log %1 is in use by another program.</source>
        <translation>Le journal %1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota de disque est épuisé</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>le système de fichiers est en lecture seule</translation>
    </message>
    <message>
        <source>the file is as large as the system lets it grow</source>
        <translation>le fichier a atteint la taille maximale permise par le système</translation>
    </message>
    <message>
        <source>Could not write to %1: the folder %2 does not exist.</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: le dossier %2 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Could not write to %1: %2.</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the log must be one.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire&#xa0;; le journal doit en être un.</translation>
    </message>
    <message>
        <source>%1 is not a provisioning log of this program: its first line is not the log&apos;s header. Choose a new file, or a log this program wrote.</source>
        <translation>%1 n&apos;est pas un journal de provisionnement de ce programme&#xa0;: sa première ligne n&apos;est pas l&apos;en-tête du journal. Choisissez un nouveau fichier, ou un journal écrit par ce programme.</translation>
    </message>
    <message>
        <source>%1 holds %2 MiB, more than a provisioning log may (%3 MiB); start a new log.</source>
        <translation>%1 fait %2 Mio, plus que ce qu&apos;un journal de provisionnement peut contenir (%3 Mio)&#xa0;; commencez un nouveau journal.</translation>
    </message>
    <message>
        <source>Could not read from %1: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ProvisionPolicy</name>
    <message>
        <source>%1 holds values out of range; nothing was sent:</source>
        <translation>%1 contient des valeurs hors limites&#xa0;; rien n&apos;a été envoyé&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2 (allowed: %3)</source>
        <translation>%1&#xa0;: %2 (autorisé&#xa0;: %3)</translation>
    </message>
    <message>
        <source>%1 holds messages longer than their fields take; nothing was sent:</source>
        <translation>%1 contient des messages plus longs que leurs champs ne l&apos;acceptent&#xa0;; rien n&apos;a été envoyé&#xa0;:</translation>
    </message>
    <message>
        <source>already provisioned with this profile on %1</source>
        <translation>déjà provisionnée avec ce profil le %1</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>exclue</translation>
    </message>
    <message>
        <source>This unit reports no serial number; it cannot be told apart from others, so nothing was sent.</source>
        <translation>Cette unité n&apos;indique aucun numéro de série&#xa0;; elle ne peut pas être distinguée des autres, donc rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Another unit in flight, at %1, reports the same serial number %2; nothing was sent.</source>
        <translation>Une autre unité en cours, sur %1, indique le même numéro de série %2&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n characters (at most %2)</source>
        <translation>
            <numerusform>%1&#xa0;: %n caractère (au plus %2)</numerusform>
            <numerusform>%1&#xa0;: %n caractères (au plus %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>not provisioned with this profile</source>
        <translation>non provisionnée avec ce profil</translation>
    </message>
    <message>
        <source>numbered %1, which is not one of the numbers checked</source>
        <translation>numérotée %1, qui ne fait pas partie des numéros vérifiés</translation>
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
        <translation>(hors limites&#xa0;; autorisé&#xa0;: %1)</translation>
    </message>
    <message>
        <source>%1: %2, not answering (%3)</source>
        <translation>%1&#xa0;: %2, ne répond pas (%3)</translation>
    </message>
    <message>
        <source>%1: %2, firmware %3, serial number %4</source>
        <translation>%1&#xa0;: %2, micrologiciel %3, numéro de série %4</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce type</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Aucun espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>C&apos;est un dossier</translation>
    </message>
</context>
<context>
    <name>Tavrin2QtCfg</name>
    <message>
        <source>Tavrin2QtCfg::freeze(): Got archive_exception (%1 = %2)
</source>
        <translation>Tavrin2QtCfg::freeze()&#xa0;: exception archive_exception reçue (%1 = %2)
</translation>
    </message>
    <message>
        <source>Tavrin2QtCfg::thaw(): Got another exception while reading:
%1
</source>
        <translation>Tavrin2QtCfg::thaw()&#xa0;: autre exception reçue pendant la lecture&#xa0;:
%1
</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it is not an XML document</source>
        <translation>ce n&apos;est pas un document XML</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>il contient des octets qui ne sont pas du texte</translation>
    </message>
    <message>
        <source>it ends too early</source>
        <translation>il se termine trop tôt</translation>
    </message>
    <message>
        <source>an element is missing or out of place</source>
        <translation>un élément manque ou n&apos;est pas à sa place</translation>
    </message>
    <message>
        <source>it is not well-formed XML</source>
        <translation>ce n&apos;est pas du XML bien formé</translation>
    </message>
    <message>
        <source>it is an XML document of another kind</source>
        <translation>c&apos;est un document XML d&apos;un autre type</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>il a été écrit par une version plus récente</translation>
    </message>
    <message>
        <source>a value in it cannot be read</source>
        <translation>une de ses valeurs ne peut pas être lue</translation>
    </message>
</context>
<context>
    <name>Tavrin2QtComm</name>
    <message>
        <source>Several Tavrin devices are attached and none was chosen.
Nothing was sent.</source>
        <translation>Plusieurs appareils Tavrin sont branchés et aucun n&apos;a été choisi.
Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The Tavrin with serial number %1 answers in place of the one with serial number %2.
Nothing was sent.</source>
        <translation>Le Tavrin de numéro de série %1 répond à la place de celui de numéro de série %2.
Rien n&apos;a été envoyé.</translation>
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
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Tavrin is busy with another operation.</source>
        <translation>Tavrin est occupé par une autre opération.</translation>
    </message>
    <message>
        <source>Reading Tavrin...</source>
        <translation>Lecture de Tavrin...</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>Settings report</source>
        <translation>Rapport des paramètres</translation>
    </message>
    <message>
        <source>The Alpha message of the External input</source>
        <translation>Le message Alpha de l&apos;entrée externe</translation>
    </message>
    <message>
        <source>The Alpha message of Button %1</source>
        <translation>Le message Alpha du bouton %1</translation>
    </message>
    <message>
        <source>Tavrin refused %1 (%2), answering &quot;%3&quot;.
The commands before it were applied; the ones after it were not sent.</source>
        <translation>Tavrin a refusé %1 (%2) en répondant «&#xa0;%3&#xa0;».
Les commandes précédentes ont été appliquées&#xa0;; les suivantes n&apos;ont pas été envoyées.</translation>
    </message>
    <message>
        <source>You are trying to program a %1
device with the %2 UI selected.</source>
        <translation>Vous essayez de programmer un appareil %1
avec l&apos;interface %2 sélectionnée.</translation>
    </message>
    <message>
        <source>Repage is on but the Acknowledge page is off: Tavrin II switches both with one setting, so Repage would be off after the update.
Please turn the Acknowledge page on, or Repage off; nothing was sent.</source>
        <translation>La répétition d&apos;appel est activée mais l&apos;appel d&apos;acquittement est désactivé&#xa0;: Tavrin II active les deux avec un seul réglage, la répétition d&apos;appel serait donc désactivée après la mise à jour.
Veuillez activer l&apos;appel d&apos;acquittement, ou désactiver la répétition d&apos;appel&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Updating Dalen Tavrin...</source>
        <translation>Mise à jour de Dalen Tavrin...</translation>
    </message>
    <message>
        <source>Updating Tavrin II...</source>
        <translation>Mise à jour de Tavrin II...</translation>
    </message>
    <message>
        <source>Programming pager...</source>
        <translation>Programmation du récepteur...</translation>
    </message>
    <message>
        <source>The message of Button 2</source>
        <translation>Le message du bouton 2</translation>
    </message>
    <message>
        <source>The message of the Button</source>
        <translation>Le message du bouton</translation>
    </message>
    <message>
        <source>The message of Button 1</source>
        <translation>Le message du bouton 1</translation>
    </message>
    <message>
        <source>An unused button, switched off</source>
        <translation>Un bouton inutilisé, désactivé</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>The Low battery page message</source>
        <translation>Le message d&apos;appel batterie faible</translation>
    </message>
    <message>
        <source>The Cancel message</source>
        <translation>Le message d&apos;annulation</translation>
    </message>
    <message>
        <source>These settings hold %1 button entries and %2 automatic on/off times; Tavrin II needs %3 and %4.
Nothing was sent.</source>
        <translation>Ces paramètres contiennent %1 réglages de bouton et %2 heures de marche/arrêt auto&#xa0;; Tavrin II en exige %3 et %4.
Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Acknowledge page</source>
        <translation>Appel d&apos;acquittement</translation>
    </message>
    <message>
        <source>The Acknowledge page message</source>
        <translation>Le message d&apos;appel d&apos;acquittement</translation>
    </message>
    <message>
        <source>Pager number, all-page ID and system ID</source>
        <translation>Numéro de récepteur, ID d&apos;appel général et ID système</translation>
    </message>
    <message>
        <source>The Welcome message</source>
        <translation>Le message d&apos;accueil</translation>
    </message>
    <message>
        <source>Welcome message</source>
        <translation>Message d&apos;accueil</translation>
    </message>
    <message>
        <source>Group %1 name</source>
        <translation>Nom du groupe %1</translation>
    </message>
    <message>
        <source>The Group %1 name</source>
        <translation>Le nom du groupe %1</translation>
    </message>
    <message>
        <source>Group %1 pager</source>
        <translation>Récepteur du groupe %1</translation>
    </message>
    <message>
        <source>Pager number, system ID and options</source>
        <translation>Numéro de récepteur, ID système et options</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Dalen Tavrin ID</source>
        <translation>ID Dalen Tavrin</translation>
    </message>
    <message>
        <source>System ID</source>
        <translation>ID système</translation>
    </message>
    <message>
        <source>Repage interval</source>
        <translation>Intervalle de répétition d&apos;appel</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Bouton</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Bouton 2</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Bouton 1</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Bouton %1</translation>
    </message>
    <message>
        <source>External input</source>
        <translation>Entrée externe</translation>
    </message>
    <message>
        <source>Auto on/off %1 on time</source>
        <translation>Marche/arrêt auto %1, heure de marche</translation>
    </message>
    <message>
        <source>Auto on/off %1 off time</source>
        <translation>Marche/arrêt auto %1, heure d&apos;arrêt</translation>
    </message>
    <message>
        <source>Lockout sequence</source>
        <translation>Séquence de verrouillage</translation>
    </message>
    <message>
        <source>Lockout time</source>
        <translation>Durée de verrouillage</translation>
    </message>
    <message>
        <source>Acknowledge page and repage enabled</source>
        <translation>Appel d&apos;acquittement et répétition d&apos;appel activés</translation>
    </message>
    <message>
        <source>Repage enabled</source>
        <translation>Répétition d&apos;appel activée</translation>
    </message>
    <message>
        <source>Beep enabled</source>
        <translation>Bip activé</translation>
    </message>
    <message>
        <source>Group paging enabled</source>
        <translation>Appel de groupe activé</translation>
    </message>
    <message>
        <source>Low battery page</source>
        <translation>Appel batterie faible</translation>
    </message>
    <message>
        <source>Secondary page</source>
        <translation>Appel secondaire</translation>
    </message>
    <message>
        <source>Cancel message</source>
        <translation>Message d&apos;annulation</translation>
    </message>
    <message>
        <source>Tavrin&apos;s answer lacked these settings, which show their defaults instead of the unit&apos;s:
%1</source>
        <translation>La réponse de Tavrin ne contenait pas ces paramètres, qui affichent leurs valeurs par défaut au lieu de celles de l&apos;unité&#xa0;:
%1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>Model: sent %1, Tavrin holds %2</source>
        <translation>Modèle&#xa0;: envoyé %1, Tavrin contient %2</translation>
    </message>
    <message>
        <source>%1: sent %2, Tavrin holds %3</source>
        <translation>%1&#xa0;: envoyé %2, Tavrin contient %3</translation>
    </message>
    <message>
        <source>Tavrin answered every command, but when read back it did not report these settings, so the update could not be checked:
%1</source>
        <translation>Tavrin a répondu à chaque commande, mais à la relecture il n&apos;a pas transmis ces paramètres, la mise à jour n&apos;a donc pas pu être vérifiée&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Tavrin answered every command, but when read back it does not hold these settings:
%1</source>
        <translation>Tavrin a répondu à chaque commande, mais à la relecture il ne contient pas ces paramètres&#xa0;:
%1</translation>
    </message>
    <message>
        <source>%1 contains a comma, which Tavrin would take as the start of another field.
Please remove it; nothing was sent.</source>
        <translation>%1 contient une virgule, que Tavrin prendrait pour le début d&apos;un autre champ.
Veuillez la retirer&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>%1 holds the character &quot;%2&quot;, which Tavrin cannot take.
Please replace it; nothing was sent.</source>
        <translation>%1 contient le caractère «&#xa0;%2&#xa0;», que Tavrin ne peut pas accepter.
Veuillez le remplacer&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>%1 holds the control character %2, which Tavrin cannot show.
Please remove it; nothing was sent.</source>
        <translation>%1 contient le caractère de contrôle %2, que Tavrin ne peut pas afficher.
Veuillez le retirer&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>%1 holds &quot;\f&quot;, which Tavrin takes as the start of the pager alert code: it would keep another message and alert.
Please remove it; nothing was sent.</source>
        <translation>%1 contient «&#xa0;\f&#xa0;», que Tavrin prend pour le début du code d&apos;alerte du récepteur&#xa0;: il conserverait un autre message et une autre alerte.
Veuillez le retirer&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The %1 command</source>
        <translation>La commande %1</translation>
    </message>
    <message>
        <source>%1 is too long to send to Tavrin (its command would have %2 characters; a command may hold at most %3).
Nothing was sent.</source>
        <translation>%1 est trop long pour être envoyé à Tavrin (sa commande compterait %2 caractères&#xa0;; une commande peut en contenir au plus %3).
Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Model: file holds %1, Tavrin holds %2</source>
        <translation>Modèle&#xa0;: le fichier contient %1, Tavrin contient %2</translation>
    </message>
    <message>
        <source>%1: file holds %2, Tavrin holds %3</source>
        <translation>%1&#xa0;: le fichier contient %2, Tavrin contient %3</translation>
    </message>
</context>
<context>
    <name>UnitNumbering</name>
    <message>
        <source>&quot;%1&quot; is not a list of numbers such as 12,14,20-35.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une liste de numéros comme 12,14,20-35.</translation>
    </message>
    <message>
        <source>The number %1 is outside %2 to %3.</source>
        <translation>Le numéro %1 est en dehors de la plage %2 à %3.</translation>
    </message>
    <message>
        <source>The number %1 is given twice.</source>
        <translation>Le numéro %1 est indiqué deux fois.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>no number left in %1</source>
        <translation>aucun numéro restant dans %1</translation>
    </message>
</context>
<context>
    <name>UnitTextValidator</name>
    <message>
        <source>%1: Tavrin cannot take characters beyond Latin-1</source>
        <translation>%1&#xa0;: Tavrin ne peut pas accepter de caractères hors Latin-1</translation>
    </message>
    <message>
        <source>%1: Tavrin cannot show control characters</source>
        <translation>%1&#xa0;: Tavrin ne peut pas afficher de caractères de contrôle</translation>
    </message>
    <message>
        <source>&quot;,&quot;: a comma would start another field of Tavrin&apos;s command</source>
        <translation>«&#xa0;,&#xa0;»&#xa0;: une virgule commencerait un autre champ de la commande Tavrin</translation>
    </message>
</context>
<context>
    <name>UnitWorker</name>
    <message>
        <source>With number %1: %2</source>
        <translation>Avec le numéro %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Unexpected failure.</source>
        <translation>Échec inattendu.</translation>
    </message>
    <message>
        <source>This unit is a %1 and the profile is for a %2; nothing was sent.</source>
        <translation>Cette unité est un %1 et le profil est prévu pour un %2&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>débranchée</translation>
    </message>
    <message>
        <source>unplugged before it was verified</source>
        <translation>débranchée avant d&apos;être vérifiée</translation>
    </message>
    <message>
        <source>It now holds number %1: plug it in again to finish it.</source>
        <translation>Elle porte maintenant le numéro %1&#xa0;: rebranchez-la pour la terminer.</translation>
    </message>
    <message numerus="yes">
        <source>The %1 is %n characters long; its field takes at most %2. Nothing was sent.</source>
        <translation>
            <numerusform>Le champ «&#xa0;%1&#xa0;» compte %n caractère&#xa0;; il en accepte au plus %2. Rien n&apos;a été envoyé.</numerusform>
            <numerusform>Le champ «&#xa0;%1&#xa0;» compte %n caractères&#xa0;; il en accepte au plus %2. Rien n&apos;a été envoyé.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UsbHid</name>
    <message>
        <source>Permission denied opening the Tavrin device. Install the udev rule 70-tavrin.rules (see README) and re-plug the device.
</source>
        <translation>Accès refusé à l&apos;ouverture de l&apos;appareil Tavrin. Installez la règle udev 70-tavrin.rules (voir README) et rebranchez l&apos;appareil.
</translation>
    </message>
    <message>
        <source>HID.DLL failed to load</source>
        <translation>Échec du chargement de HID.DLL</translation>
    </message>
    <message>
        <source>SETUPAPI.DLL failed to load</source>
        <translation>Échec du chargement de SETUPAPI.DLL</translation>
    </message>
    <message>
        <source>HidD_GetHidGuid not found in HID.DLL</source>
        <translation>HidD_GetHidGuid introuvable dans HID.DLL</translation>
    </message>
    <message>
        <source>HidD_GetAttributes not found in HID.DLL</source>
        <translation>HidD_GetAttributes introuvable dans HID.DLL</translation>
    </message>
    <message>
        <source>SetupDiDestroyDeviceInfoList not found in SETUPAPI.DLL</source>
        <translation>SetupDiDestroyDeviceInfoList introuvable dans SETUPAPI.DLL</translation>
    </message>
    <message>
        <source>SetupDiEnumDeviceInterfaces not found in SETUPAPI.DLL</source>
        <translation>SetupDiEnumDeviceInterfaces introuvable dans SETUPAPI.DLL</translation>
    </message>
    <message>
        <source>SetupDiGetClassDevsA not found in SETUPAPI.DLL</source>
        <translation>SetupDiGetClassDevsA introuvable dans SETUPAPI.DLL</translation>
    </message>
    <message>
        <source>SetupDiGetDeviceInterfaceDetailA not found in SETUPAPI.DLL</source>
        <translation>SetupDiGetDeviceInterfaceDetailA introuvable dans SETUPAPI.DLL</translation>
    </message>
    <message>
        <source>No Tavrin device found
Please verify Tavrin is connected to PC</source>
        <translation>Aucun appareil Tavrin trouvé
Veuillez vérifier que Tavrin est branché au PC</translation>
    </message>
    <message>
        <source>SetupDiGetClassDevs failed to open handle to device set</source>
        <translation>SetupDiGetClassDevs n&apos;a pas pu ouvrir l&apos;ensemble de périphériques</translation>
    </message>
    <message>
        <source>SetupDiGetDeviceInterfaceDetail failed</source>
        <translation>Échec de SetupDiGetDeviceInterfaceDetail</translation>
    </message>
    <message>
        <source>getHidGuid passed in NULL guid</source>
        <translation>getHidGuid a reçu un GUID NULL</translation>
    </message>
    <message>
        <source>WriteFile failed</source>
        <translation>Échec de WriteFile</translation>
    </message>
    <message>
        <source>ReadFile failed</source>
        <translation>Échec de ReadFile</translation>
    </message>
    <message>
        <source>GetOverlappedResult failed</source>
        <translation>Échec de GetOverlappedResult</translation>
    </message>
    <message>
        <source>Lost communication to Tavrin
Please remove then re-attach Tavrin to PC</source>
        <translation>Communication perdue avec Tavrin
Veuillez débrancher puis rebrancher Tavrin sur le PC</translation>
    </message>
    <message>
        <source>Tavrin response indicates an error was
encountered performing current operation</source>
        <translation>La réponse de Tavrin indique qu&apos;une erreur
s&apos;est produite pendant l&apos;opération en cours</translation>
    </message>
    <message>
        <source>Detected software version is not supported.
Please contact Orvenna to upgrade.</source>
        <translation>La version logicielle détectée n&apos;est pas prise en charge.
Veuillez contacter Orvenna pour une mise à niveau.</translation>
    </message>
    <message>
        <source>The Tavrin at %1 is in use by another program.</source>
        <translation>Le Tavrin sur %1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>WARNING: unknown exception</source>
        <translation>AVERTISSEMENT&#xa0;: exception inconnue</translation>
    </message>
    <message numerus="yes">
        <source>The Tavrin device took %1 of %n bytes of a report.
</source>
        <translation>
            <numerusform>L&apos;appareil Tavrin a accepté %1 octet sur %n d&apos;un rapport.
</numerusform>
            <numerusform>L&apos;appareil Tavrin a accepté %1 des %n octets d&apos;un rapport.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Command line too long for Tavrin (%n characters, at most %1)</source>
        <translation>
            <numerusform>Ligne de commande trop longue pour Tavrin (%n caractère, au plus %1)</numerusform>
            <numerusform>Ligne de commande trop longue pour Tavrin (%n caractères, au plus %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowStopSignals</name>
    <message>
        <source>Stopped at once; left unverified: %1</source>
        <translation>Arrêt immédiat&#xa0;; unités non vérifiées&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>WorkerPool</name>
    <message>
        <source>its row could not be written to the log: %1</source>
        <translation>sa ligne n&apos;a pas pu être écrite dans le journal&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>frmProgramPagersBase</name>
    <message>
        <source>Program Pagers</source>
        <translation>Programmer des récepteurs</translation>
    </message>
    <message>
        <source>Zell / Coaster</source>
        <translation>Zell / sous-verre</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Numéro de récepteur</translation>
    </message>
    <message>
        <source>Zell / coaster pager # to program</source>
        <translation>N° du récepteur Zell / sous-verre à programmer</translation>
    </message>
    <message>
        <source>System ID</source>
        <translation>ID système</translation>
    </message>
    <message>
        <source>Zell / coaster pager&apos;s system ID</source>
        <translation>ID système du récepteur Zell / sous-verre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Zell Pager</source>
        <translation>Récepteur Zell</translation>
    </message>
    <message>
        <source>Select to program zell pager</source>
        <translation>Sélectionnez pour programmer un récepteur Zell</translation>
    </message>
    <message>
        <source>Coaster</source>
        <translation>Sous-verre</translation>
    </message>
    <message>
        <source>Select to program coaster pager</source>
        <translation>Sélectionnez pour programmer un récepteur sous-verre</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Destinataire</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Select to indicate guest zell pager</source>
        <translation>Sélectionnez pour indiquer un récepteur Zell de client</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Responsable</translation>
    </message>
    <message>
        <source>Select to indicate manager zell pager</source>
        <translation>Sélectionnez pour indiquer un récepteur Zell de responsable</translation>
    </message>
    <message>
        <source>Vibe On / Off</source>
        <translation>Vibreur marche / arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Select to enable pager vibration</source>
        <translation>Sélectionnez pour activer le vibreur du récepteur</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Select to disable pager vibration</source>
        <translation>Sélectionnez pour désactiver le vibreur du récepteur</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Pager Numbers</source>
        <translation>Numéros de récepteur</translation>
    </message>
    <message>
        <source>PAGER:</source>
        <translation>RÉCEPTEUR&#xa0;:</translation>
    </message>
    <message>
        <source>Alpha pager # to program</source>
        <translation>N° du récepteur Alpha à programmer</translation>
    </message>
    <message>
        <source>ALL PAGE:</source>
        <translation>APPEL GÉNÉRAL&#xa0;:</translation>
    </message>
    <message>
        <source>ID to program for all page</source>
        <translation>ID à programmer pour l&apos;appel général</translation>
    </message>
    <message>
        <source>Alpha pager&apos;s system ID</source>
        <translation>ID système du récepteur Alpha</translation>
    </message>
    <message>
        <source>Group Paging</source>
        <translation>Appel de groupe</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Check to enable group paging</source>
        <translation>Cochez pour activer l&apos;appel de groupe</translation>
    </message>
    <message>
        <source>Welcome Message</source>
        <translation>Message d&apos;accueil</translation>
    </message>
    <message>
        <source>Message that will appear after re-inserting Alpha pager battery</source>
        <translation>Message affiché après la remise en place de la pile du récepteur Alpha</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Group 1:</source>
        <translation>Groupe 1&#xa0;:</translation>
    </message>
    <message>
        <source>Group 1 pager #</source>
        <translation>N° de récepteur du groupe 1</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Group 1 name</source>
        <translation>Nom du groupe 1</translation>
    </message>
    <message>
        <source>Group 2:</source>
        <translation>Groupe 2&#xa0;:</translation>
    </message>
    <message>
        <source>Group 2 pager #</source>
        <translation>N° de récepteur du groupe 2</translation>
    </message>
    <message>
        <source>Group 2 name</source>
        <translation>Nom du groupe 2</translation>
    </message>
    <message>
        <source>Group 3:</source>
        <translation>Groupe 3&#xa0;:</translation>
    </message>
    <message>
        <source>Group 3 pager #</source>
        <translation>N° de récepteur du groupe 3</translation>
    </message>
    <message>
        <source>Group 3 name</source>
        <translation>Nom du groupe 3</translation>
    </message>
    <message>
        <source>Group 4:</source>
        <translation>Groupe 4&#xa0;:</translation>
    </message>
    <message>
        <source>Group 4 pager #</source>
        <translation>N° de récepteur du groupe 4</translation>
    </message>
    <message>
        <source>Group 4 name</source>
        <translation>Nom du groupe 4</translation>
    </message>
    <message>
        <source>Group 5:</source>
        <translation>Groupe 5&#xa0;:</translation>
    </message>
    <message>
        <source>Group 5 pager #</source>
        <translation>N° de récepteur du groupe 5</translation>
    </message>
    <message>
        <source>Group 5 name</source>
        <translation>Nom du groupe 5</translation>
    </message>
    <message>
        <source>Push to program current settings</source>
        <translation>Cliquez pour programmer les paramètres actuels</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Push to exit program pagers</source>
        <translation>Cliquez pour quitter la programmation des récepteurs</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>With group paging enabled, pager numbers 1-98 will page groups.</source>
        <translation>Avec l&apos;appel de groupe activé, les numéros de récepteur 1-98 appellent des groupes.</translation>
    </message>
</context>
</TS>
