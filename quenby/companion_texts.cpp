#include "companion_texts.h"

#include "language.h"

#include <cstddef>

namespace {
struct text_row {
    companion_text id;
    const char* text[LANGUAGE_COUNT]; // Italian, English, Spanish, French
};

// Instructions as the programs give them: Italian and Spanish in the
// infinitive, French in the imperative; no blank before a French colon.
const text_row k_rows[] = {
    {QT_OPEN_NOT_PRESENT, {"non presente", "not present", "no presente", "absent"}},
    {QT_OPEN_IN_USE,
     {"in uso da un altro programma", "in use by another program", "en uso por otro programa",
      "utilisé par un autre programme"}},
    {QT_OPEN_DENIED,
     {"accesso negato (o in uso da un altro programma)",
      "access denied (or in use by another program)",
      "acceso denegado (o en uso por otro programa)",
      "accès refusé (ou utilisé par un autre programme)"}},
    {QT_OPEN_SETTINGS,
     {"impostazioni della linea rifiutate", "line settings refused",
      "parámetros de la línea rechazados", "paramètres de la ligne refusés"}},
    {QT_OPEN_FAILED,
     {"apertura non riuscita", "could not be opened", "no se ha podido abrir",
      "ouverture impossible"}},
    {QT_NO_SUCH_COM_PORT,
     {"\"%1\" non indica alcuna porta (da COM1 a COM255, o da 1 a 255)",
      "\"%1\" names no port (COM1 to COM255, or 1 to 255)",
      "\"%1\" no indica ningún puerto (de COM1 a COM255, o de 1 a 255)",
      "\"%1\" ne désigne aucun port (de COM1 à COM255, ou de 1 à 255)"}},
    {QT_NO_SUCH_PORT_PATH,
     {"\"%1\" non indica alcuna porta (un percorso di dispositivo come /dev/ttyUSB0)",
      "\"%1\" names no port (a device path such as /dev/ttyUSB0)",
      "\"%1\" no indica ningún puerto (una ruta de dispositivo como /dev/ttyUSB0)",
      "\"%1\" ne désigne aucun port (un chemin de périphérique comme /dev/ttyUSB0)"}},
    {QT_NO_PORT_FOUND,
     {"nessuna porta seriale trovata", "no serial port found", "ningún puerto serie encontrado",
      "aucun port série trouvé"}},

    {QT_PROBE_READER,
     {"lettore di carte  (%1)", "card reader  (%1)", "lector de tarjetas  (%1)",
      "lecteur de cartes  (%1)"}},
    {QT_PROBE_CARD_ON_IT,
     {"carta %1 sul lettore", "card %1 on it", "tarjeta %1 en el lector",
      "carte %1 sur le lecteur"}},
    {QT_PROBE_NO_CARD_ON_IT,
     {"nessuna carta sul lettore", "no card on it", "ninguna tarjeta en el lector",
      "aucune carte sur le lecteur"}},
    {QT_PROBE_NAK, {"ha risposto NAK", "it answered NAK", "ha respondido NAK", "il a répondu NAK"}},
    {QT_PROBE_STATION,
     {"stazione di ricarica  (%1)", "charging station  (%1)", "estación de carga  (%1)",
      "borne de recharge  (%1)"}},
    {QT_PROBE_LANGUAGE, {"lingua %1", "language %1", "idioma %1", "langue %1"}},
    {QT_PROBE_ONE_SOCKET, {"1 presa", "1 socket", "1 toma", "1 prise"}},
    {QT_PROBE_TWO_SOCKETS, {"2 prese", "2 sockets", "2 tomas", "2 prises"}},
    {QT_PROBE_UNKNOWN,
     {"un dispositivo sconosciuto  (risponde, ma né come lettore di carte né come stazione)",
      "an unknown device  (it answers, but neither as a card reader nor as a station)",
      "un dispositivo desconocido  (responde, pero ni como lector de tarjetas ni como "
      "estación)",
      "un périphérique inconnu  (il répond, mais ni comme lecteur de cartes ni comme borne)"}},
    {QT_PROBE_NO_ANSWER, {"nessuna risposta", "no answer", "ninguna respuesta", "aucune réponse"}},
    {QT_STORED,
     {"memorizzata come Port di %1", "stored as the Port of %1", "guardado como Port de %1",
      "enregistré comme Port de %1"}},
    {QT_STORE_FAILED,
     {"impossibile memorizzare il Port di %1", "could not store the Port of %1",
      "no se ha podido guardar el Port de %1", "impossible d'enregistrer le Port de %1"}},
    {QT_NOT_STORED, {"non memorizzata", "not stored", "no guardado", "non enregistré"}},
    {QT_NOTHING_STORED,
     {"nulla memorizzato", "nothing stored", "nada guardado", "rien n'est enregistré"}},
    {QT_NO_REGISTRY,
     {"nulla memorizzato: le impostazioni dei programmi sono nel registro di Windows",
      "nothing stored: the programs' settings are in the Windows registry",
      "nada guardado: los ajustes de los programas están en el registro de Windows",
      "rien n'est enregistré: les réglages des programmes sont dans le registre de Windows"}},
    {QT_TWO_READERS,
     {"lettori di carte su %1: nulla memorizzato per loro; interrogare da solo con --use "
      "quello da usare",
      "card readers on %1: nothing stored for them; probe the one to use alone with --use",
      "lectores de tarjetas en %1: nada guardado para ellos; sondear solo con --use el que se "
      "vaya a usar",
      "lecteurs de cartes sur %1: rien n'est enregistré pour eux; sondez seul avec --use celui "
      "à utiliser"}},
    {QT_TWO_STATIONS,
     {"stazioni di ricarica su %1: nulla memorizzato per loro; interrogare da solo con --use "
      "quella da usare",
      "charging stations on %1: nothing stored for them; probe the one to use alone with --use",
      "estaciones de carga en %1: nada guardado para ellas; sondear sola con --use la que se "
      "vaya a usar",
      "bornes de recharge sur %1: rien n'est enregistré pour elles; sondez seule avec --use "
      "celle à utiliser"}},

    {QT_CANNOT_READ,
     {"impossibile leggere %1", "cannot read %1", "no se puede leer %1", "impossible de lire %1"}},
    {QT_CANNOT_WRITE,
     {"impossibile scrivere %1", "cannot write %1", "no se puede escribir %1",
      "impossible d'écrire %1"}},
    {QT_CANNOT_WRITE_WHY,
     {"impossibile scrivere %1 (%2)", "cannot write %1 (%2)", "no se puede escribir %1 (%2)",
      "impossible d'écrire %1 (%2)"}},
    {QT_SYSTEM_ERROR,
     {"errore di sistema %1", "system error %1", "error del sistema %1", "erreur système %1"}},

    {QT_WHOLE_SECONDS,
     {"\"%1\" non è un numero intero di secondi da 1 in su",
      "\"%1\" is no whole number of seconds from 1 up",
      "\"%1\" no es un número entero de segundos a partir de 1",
      "\"%1\" n'est pas un nombre entier de secondes à partir de 1"}},
    {QT_NOT_A_LANGUAGE,
     {"\"%1\" non è it, en, es o fr", "\"%1\" is not it, en, es or fr",
      "\"%1\" no es it, en, es o fr", "\"%1\" n'est pas it, en, es ou fr"}},
    {QT_NOT_A_LAYOUT,
     {"\"%1\" non è tandor o classic", "\"%1\" is not tandor or classic",
      "\"%1\" no es tandor o classic", "\"%1\" n'est pas tandor ou classic"}},
    {QT_COMMAND_WANTED,
     {"indicare un comando: %1", "a command is wanted: %1", "indicar un comando: %1",
      "indiquez une commande: %1"}},
    {QT_REQUIRED,
     {"%1 è obbligatorio", "%1 is required", "%1 es obligatorio", "%1 est obligatoire"}},
    {QT_NOT_EXPECTED, {"non previsto: %1", "not expected: %1", "no previsto: %1", "inattendu: %1"}},
    {QT_NEEDS, {"%1 richiede %2", "%1 needs %2", "%1 requiere %2", "%1 nécessite %2"}},
    {QT_VALUE_WANTED,
     {"%1: indicare un valore (%2)", "%1: a value is wanted (%2)", "%1: indicar un valor (%2)",
      "%1: indiquez une valeur (%2)"}},
    {QT_HELP_HINT,
     {"(quenby --help elenca i comandi, quenby COMANDO --help le loro opzioni)",
      "(quenby --help tells the commands, quenby COMMAND --help their options)",
      "(quenby --help enumera los comandos, quenby COMANDO --help sus opciones)",
      "(quenby --help énumère les commandes, quenby COMMANDE --help leurs options)"}},

    {QT_HELP_ABOUT,
     {"Il compagno da campo degli strumenti di servizio Quenby: trova la porta di ogni "
      "dispositivo, registra e decodifica la traccia dei programmi, conserva i profili delle "
      "stazioni, emette lotti di carte.",
      "The field companion of the Quenby service tools: finds each device's port, records and "
      "decodes the programs' trace, keeps station profiles, issues card batches.",
      "El compañero de campo de las herramientas de servicio Quenby: encuentra el puerto de "
      "cada dispositivo, graba y descodifica la traza de los programas, guarda perfiles de "
      "estaciones, emite lotes de tarjetas.",
      "Le compagnon de terrain des outils de service Quenby: trouve le port de chaque "
      "dispositif, enregistre et décode la trace des programmes, garde les profils des bornes, "
      "émet des lots de cartes."}},
    {QT_HELP_FOOTER,
     {"Stato di uscita: 0 fatto; 1 non fatto (nessuna risposta, non contenuto, un lotto "
      "interrotto, un file non trovato, una differenza trovata da diff); 2 rifiutato prima di "
      "inviare alcunché (la riga di comando, il nome di una porta, un profilo, un lotto o il suo "
      "registro).\n"
      "File: un profilo di stazione è un \"key = value\" per riga (# inizia un commento), come "
      "lo scrive station read; un lotto è un CSV con l'intestazione code,accesses,expiry (o "
      "code;accesses;expiry); il registro è un CSV time,uid,code,accesses,expiry,outcome, due "
      "righe per scrittura: \"writing\" prima, poi \"written\", \"not written\" o \"may be "
      "written\".\n"
      "Lingua: --lang, altrimenti la Lang memorizzata dal programma del cui dispositivo si "
      "serve il comando (Windows), altrimenti LC_ALL, LC_MESSAGES o LANG (Linux), altrimenti "
      "l'inglese.",
      "Exit status: 0 done; 1 not done (no answer, not held, a batch stopped, a file not found, "
      "a difference found by diff); 2 refused before anything was sent (the command line, a "
      "port name, a profile, a batch or its audit).\n"
      "Files: a station profile is one \"key = value\" a line (# starts a comment), as station "
      "read writes it; a batch is a CSV with the header code,accesses,expiry (or "
      "code;accesses;expiry); the audit is a CSV time,uid,code,accesses,expiry,outcome, two "
      "lines a write: \"writing\" before it, then \"written\", \"not written\" or \"may be "
      "written\".\n"
      "Language: --lang, else the Lang stored by the program whose device the command uses "
      "(Windows), else LC_ALL, LC_MESSAGES or LANG (Linux), else English.",
      "Estado de salida: 0 hecho; 1 no hecho (ninguna respuesta, no contenido, un lote "
      "detenido, un archivo no encontrado, una diferencia encontrada por diff); 2 rechazado "
      "antes de enviar nada (la línea de comandos, el nombre de un puerto, un perfil, un lote o "
      "su registro).\n"
      "Archivos: un perfil de estación es un \"key = value\" por línea (# empieza un "
      "comentario), como lo escribe station read; un lote es un CSV con el encabezado "
      "code,accesses,expiry (o code;accesses;expiry); el registro es un CSV "
      "time,uid,code,accesses,expiry,outcome, dos líneas por escritura: \"writing\" antes, "
      "luego \"written\", \"not written\" o \"may be written\".\n"
      "Idioma: --lang, si no el Lang guardado por el programa cuyo dispositivo usa el comando "
      "(Windows), si no LC_ALL, LC_MESSAGES o LANG (Linux), si no el inglés.",
      "Code de sortie: 0 fait; 1 pas fait (aucune réponse, pas contenu, un lot arrêté, un "
      "fichier introuvable, une différence trouvée par diff); 2 refusé avant tout envoi (la "
      "ligne de commande, un nom de port, un profil, un lot ou son journal).\n"
      "Fichiers: un profil de borne est un \"key = value\" par ligne (# commence un "
      "commentaire), comme station read l'écrit; un lot est un CSV avec l'en-tête "
      "code,accesses,expiry (ou code;accesses;expiry); le journal est un CSV "
      "time,uid,code,accesses,expiry,outcome, deux lignes par écriture: \"writing\" avant, "
      "puis \"written\", \"not written\" ou \"may be written\".\n"
      "Langue: --lang, sinon la Lang enregistrée par le programme dont la commande utilise le "
      "dispositif (Windows), sinon LC_ALL, LC_MESSAGES ou LANG (Linux), sinon l'anglais."}},
    {QT_HELP_LANG,
     {"Lingua dei messaggi: it, en, es o fr", "Language of the messages: it, en, es or fr",
      "Idioma de los mensajes: it, en, es o fr", "Langue des messages: it, en, es ou fr"}},
    {QT_HELP_HELP,
     {"Mostra questo aiuto ed esce", "Print this help message and exit",
      "Muestra esta ayuda y sale", "Affiche cette aide et quitte"}},
    {QT_HELP_VERSION,
     {"Mostra la versione ed esce", "Print the version and exit", "Muestra la versión y sale",
      "Affiche la version et quitte"}},
    {QT_HELP_PORTS,
     {"Elenca le porte seriali (quelle indicate, o tutte)",
      "List the serial ports (those named, or all)",
      "Lista los puertos serie (los indicados, o todos)",
      "Liste les ports série (ceux indiqués, ou tous)"}},
    {QT_HELP_PORTS_PORT,
     {"Porte da elencare: COM7 o 7 su Windows, un percorso di dispositivo su Linux",
      "Ports to list: COM7 or 7 on Windows, a device path on Linux",
      "Puertos que listar: COM7 o 7 en Windows, una ruta de dispositivo en Linux",
      "Ports à lister: COM7 ou 7 sous Windows, un chemin de périphérique sous Linux"}},
    {QT_HELP_PROBE,
     {"Chiede a tutte le porte insieme se risponde un lettore di carte o una stazione",
      "Ask every port at once whether a card reader or a station answers",
      "Pregunta a todos los puertos a la vez si responde un lector de tarjetas o una estación",
      "Demande à tous les ports à la fois si un lecteur de cartes ou une borne répond"}},
    {QT_HELP_USE,
     {"Memorizza ogni porta trovata nelle impostazioni del programma che la usa",
      "Store each port found in the settings of the program using it",
      "Guarda cada puerto encontrado en los ajustes del programa que lo usa",
      "Enregistre chaque port trouvé dans les réglages du programme qui l'utilise"}},
    {QT_HELP_PORTS_JSON,
     {"Stampa le porte come un array JSON, per gli script",
      "Print the ports as one JSON array, for scripts",
      "Imprime los puertos como un array JSON, para scripts",
      "Affiche les ports en un tableau JSON, pour les scripts"}},
    {QT_HELP_LOG,
     {"Registra l'output di debug dei programmi (Windows)",
      "Record the programs' debug output (Windows)",
      "Graba la salida de depuración de los programas (Windows)",
      "Enregistre la sortie de débogage des programmes (Windows)"}},
    {QT_HELP_LOG_FILE,
     {"Registra in FILE (in coda); senza, sull'output standard",
      "Record into FILE (appended to); standard output without",
      "Graba en FILE (al final); sin él, en la salida estándar",
      "Enregistre dans FILE (à la suite); sans lui, sur la sortie standard"}},
    {QT_HELP_SECONDS,
     {"Si ferma dopo questi secondi (altrimenti con Ctrl+C)",
      "Stop after this many seconds (else at Ctrl+C)",
      "Se detiene tras estos segundos (si no, con Ctrl+C)",
      "S'arrête après ce nombre de secondes (sinon à Ctrl+C)"}},
    {QT_HELP_DECODE,
     {"Stampa a parole una traccia registrata", "Print a recorded trace in words",
      "Imprime en palabras una traza grabada", "Affiche en mots une trace enregistrée"}},
    {QT_HELP_DECODE_FILE,
     {"La traccia (senza, l'input standard)", "The trace (standard input without)",
      "La traza (sin ella, la entrada estándar)", "La trace (sans elle, l'entrée standard)"}},
    {QT_HELP_LAYOUT,
     {"Legge i blocchi delle carte con lo schema di tandor o quello classico",
      "Read card blocks as tandor's or the classic layout",
      "Lee los bloques de las tarjetas con el formato de tandor o el clásico",
      "Lit les blocs des cartes selon la disposition de tandor ou la classique"}},
    {QT_HELP_STATION,
     {"Profili delle stazioni: leggere, scrivere, confrontare",
      "Station profiles: read, write, compare", "Perfiles de estación: leer, escribir, comparar",
      "Profils des bornes: lire, écrire, comparer"}},
    {QT_HELP_STATION_READ,
     {"Legge la stazione in un profilo (FILE, o - per l'output standard)",
      "Read the station into a profile (FILE, or - for standard output)",
      "Lee la estación en un perfil (FILE, o - para la salida estándar)",
      "Lit la borne dans un profil (FILE, ou - pour la sortie standard)"}},
    {QT_HELP_STATION_WRITE,
     {"Controlla un profilo con le regole del modulo di configurazione, lo scrive, lo rilegge "
      "dalla stazione",
      "Check a profile by the setup form's rules, write it, ask the station back",
      "Comprueba un perfil con las reglas del formulario de configuración, lo escribe, lo "
      "vuelve a pedir a la estación",
      "Vérifie un profil selon les règles du formulaire de configuration, l'écrit, le redemande "
      "à la borne"}},
    {QT_HELP_STATION_DIFF,
     {"Elenca ciò che la stazione contiene di diverso da un profilo",
      "List what the station holds that differs from a profile",
      "Lista lo que la estación contiene distinto de un perfil",
      "Liste ce que la borne contient de différent d'un profil"}},
    {QT_HELP_STATION_CHECK,
     {"Controlla un profilo come lo controlla station write, senza stazione (una prova a vuoto)",
      "Check a profile as station write checks it, with no station (a dry run)",
      "Comprueba un perfil como lo comprueba station write, sin estación (un ensayo en vacío)",
      "Vérifie un profil comme station write le vérifie, sans borne (un essai à blanc)"}},
    {QT_HELP_STATION_PORT,
     {"La porta della stazione", "The station's port", "El puerto de la estación",
      "Le port de la borne"}},
    {QT_HELP_PROFILE, {"Il profilo", "The profile", "El perfil", "Le profil"}},
    {QT_HELP_DIFF_JSON,
     {"Stampa le differenze come un array JSON", "Print what differs as one JSON array",
      "Imprime las diferencias como un array JSON", "Affiche les différences en un tableau JSON"}},
    {QT_HELP_RECORD,
     {"Aggiunge una riga per la scrittura a questo CSV: ora, porta, profilo, se la stazione lo "
      "contiene, le chiavi diverse",
      "Add a line for the write to this CSV: time, port, profile, whether the station holds it, "
      "the keys that differ",
      "Añade una línea por la escritura a este CSV: hora, puerto, perfil, si la estación lo "
      "contiene, las claves distintas",
      "Ajoute une ligne pour l'écriture à ce CSV: heure, port, profil, si la borne le contient, "
      "les clés qui diffèrent"}},
    {QT_HELP_CARDS, {"Lotti di carte", "Card batches", "Lotes de tarjetas", "Lots de cartes"}},
    {QT_HELP_CARDS_ISSUE,
     {"Scrive una carta User per ogni riga di un CSV", "Write one User card for each row of a CSV",
      "Escribe una tarjeta User por cada fila de un CSV",
      "Écrit une carte User pour chaque ligne d'un CSV"}},
    {QT_HELP_CARDS_CHECK,
     {"Controlla un lotto (e il suo registro) come li controlla cards issue, senza lettore",
      "Check a batch (and its audit) as cards issue checks them, with no reader",
      "Comprueba un lote (y su registro) como los comprueba cards issue, sin lector",
      "Vérifie un lot (et son journal) comme cards issue les vérifie, sans lecteur"}},
    {QT_HELP_READER_PORT,
     {"La porta del lettore di carte", "The card reader's port", "El puerto del lector de tarjetas",
      "Le port du lecteur de cartes"}},
    {QT_HELP_BATCH,
     {"Il lotto: code,accesses,expiry", "The batch: code,accesses,expiry",
      "El lote: code,accesses,expiry", "Le lot: code,accesses,expiry"}},
    {QT_HELP_AUDIT,
     {"Registra ogni carta scritta in questo CSV", "Record each written card in this CSV",
      "Registra cada tarjeta escrita en este CSV", "Enregistre chaque carte écrite dans ce CSV"}},
    {QT_HELP_RESUME,
     {"Salta le righe che il registro contiene", "Skip the rows the audit holds",
      "Omite las filas que contiene el registro", "Saute les lignes que le journal contient"}},
    {QT_HELP_BATCH_JSON,
     {"Stampa l'avanzamento come un oggetto JSON per riga",
      "Print the progress as one JSON object a line",
      "Imprime el progreso como un objeto JSON por línea",
      "Affiche la progression en un objet JSON par ligne"}},
    {QT_HELP_WAIT,
     {"Si ferma quando nessuna carta viene poggiata o sollevata per questi secondi",
      "Stop when no card is laid or lifted for this many seconds",
      "Se detiene cuando ninguna tarjeta se coloca ni se levanta durante estos segundos",
      "S'arrête quand aucune carte n'est posée ni retirée pendant ce nombre de secondes"}},
    {QT_HELP_CHECK_AUDIT,
     {"Il registro con cui il lotto proseguirebbe", "The audit the batch would go on with",
      "El registro con el que seguiría el lote", "Le journal avec lequel le lot continuerait"}},
    {QT_HELP_CHECK_RESUME,
     {"Come cards issue --resume", "As cards issue --resume", "Como cards issue --resume",
      "Comme cards issue --resume"}},
    {QT_LABEL_USAGE, {"Uso", "Usage", "Uso", "Utilisation"}},
    {QT_LABEL_OPTIONS_WORD, {"OPZIONI", "OPTIONS", "OPCIONES", "OPTIONS"}},
    {QT_LABEL_COMMAND_WORD, {"COMANDO", "COMMAND", "COMANDO", "COMMANDE"}},
    {QT_LABEL_POSITIONALS, {"Argomenti", "Arguments", "Argumentos", "Arguments"}},
    {QT_LABEL_OPTIONS, {"Opzioni", "Options", "Opciones", "Options"}},
    {QT_LABEL_COMMANDS, {"Comandi", "Commands", "Comandos", "Commandes"}},
    {QT_LABEL_REQUIRED, {"OBBLIGATORIO", "REQUIRED", "OBLIGATORIO", "OBLIGATOIRE"}},
    {QT_LABEL_NEEDS, {"Richiede", "Needs", "Requiere", "Nécessite"}},
    {QT_LABEL_EXCLUDES, {"Esclude", "Excludes", "Excluye", "Exclut"}},

    {QT_CHECK_CABLE_AND_POWER,
     {"controllare il cavo, e che sia accesa", "check its cable, and that it is on",
      "verificar el cable, y que esté encendida", "vérifiez son câble, et qu'elle est allumée"}},
    {QT_LINE_DID_NOT_TAKE,
     {"la linea non ha accettato ciò che è stato inviato; controllare il cavo e l'adattatore",
      "the line did not take what was sent; check the cable and the adapter",
      "la línea no ha aceptado lo enviado; verificar el cable y el adaptador",
      "la ligne n'a pas accepté ce qui a été envoyé; vérifiez le câble et l'adaptateur"}},
    {QT_UNREAD_ANSWER,
     {"la stazione ha risposto %1, una risposta che lo strumento di configurazione non legge: il "
      "valore resta com'era",
      "the station answered %1, which is no answer the setup tool reads: it is left as it was",
      "la estación ha respondido %1, una respuesta que la herramienta de configuración no lee: "
      "el valor queda como estaba",
      "la borne a répondu %1, une réponse que l'outil de configuration ne lit pas: la valeur "
      "reste telle quelle"}},
    {QT_NOTHING_SENT,
     {"nulla è stato inviato", "nothing was sent", "no se ha enviado nada", "rien n'a été envoyé"}},
    {QT_NOT_READ_WHOLE,
     {"la configurazione della stazione non è stata letta per intero",
      "the station's configuration was not read whole",
      "la configuración de la estación no se ha leído entera",
      "la configuration de la borne n'a pas été lue en entier"}},
    {QT_PROFILE_WRITTEN,
     {"%1: profilo della stazione scritto in %2", "%1: the station's profile written to %2",
      "%1: perfil de la estación escrito en %2", "%1: profil de la borne écrit dans %2"}},
    {QT_COMPUTER_CLOCK,
     {"data e ora di questo computer", "this computer's date and time",
      "fecha y hora de este ordenador", "date et heure de cet ordinateur"}},
    {QT_WRITE_NOT_RECORDED,
     {"%1: la scrittura non è registrata (%2)", "%1: the write is not recorded (%2)",
      "%1: la escritura no se ha registrado (%2)", "%1: l'écriture n'est pas enregistrée (%2)"}},
    {QT_WRITTEN_AND_HELD,
     {"%1: %2 scritto; la stazione lo contiene", "%1: %2 written; the station holds it",
      "%1: %2 escrito; la estación lo contiene", "%1: %2 écrit; la borne le contient"}},
    {QT_PROFILE_PASSES,
     {"%1: rispetta le regole del modulo di configurazione; station write lo invierebbe",
      "%1: passes the setup form's rules; station write would send it",
      "%1: cumple las reglas del formulario de configuración; station write lo enviaría",
      "%1: respecte les règles du formulaire de configuration; station write l'enverrait"}},
    {QT_DIFFERENCE,
     {"%1: profilo %2, stazione %3", "%1: profile %2, station %3", "%1: perfil %2, estación %3",
      "%1: profil %2, borne %3"}},
    {QT_NOTHING, {"(nulla)", "(nothing)", "(nada)", "(rien)"}},
    {QT_STATION_HOLDS,
     {"%1: la stazione contiene %2", "%1: the station holds %2", "%1: la estación contiene %2",
      "%1: la borne contient %2"}},

    {QT_NOT_KEY_VALUE,
     {"non è \"chiave = valore\": %1", "not \"key = value\": %1", "no es \"clave = valor\": %1",
      "n'est pas \"clé = valeur\": %1"}},
    {QT_UNKNOWN_KEY,
     {"chiave sconosciuta \"%1\"", "unknown key \"%1\"", "clave desconocida \"%1\"",
      "clé inconnue \"%1\""}},
    {QT_GIVEN_TWICE,
     {"%1 indicata due volte (la prima alla riga %2)", "%1 given twice (first on line %2)",
      "%1 indicada dos veces (la primera en la línea %2)",
      "%1 donnée deux fois (la première à la ligne %2)"}},
    {QT_NO_VALUE, {"%1 senza valore", "%1 has no value", "%1 sin valor", "%1 sans valeur"}},
    {QT_STATION_CODE,
     {"%1: \"%2\" è il codice della stazione, che nessuna opzione contiene: indicare %3",
      "%1: \"%2\" is the station's code, which no option holds: give %3",
      "%1: \"%2\" es el código de la estación, que ninguna opción contiene: indicar %3",
      "%1: \"%2\" est le code de la borne, qu'aucune option ne contient: indiquez %3"}},
    {QT_IS_NOT,
     {"%1: \"%2\" non è %3", "%1: \"%2\" is not %3", "%1: \"%2\" no es %3",
      "%1: \"%2\" n'est pas %3"}},
    {QT_ONE_OF, {"uno tra %1", "one of %1", "uno de %1", "l'un de %1"}},
    {QT_ONE_OR_TWO, {"1 o 2", "1 or 2", "1 o 2", "1 ou 2"}},
    {QT_WHOLE_NUMBER,
     {"un numero intero", "a whole number", "un número entero", "un nombre entier"}},
    {QT_MISSING, {"%1 mancante", "%1 missing", "falta %1", "%1 manquante"}},
    {QT_MISSING_WITH_TWO,
     {"%1 mancante (necessaria con sockets = 2)", "%1 missing (needed with sockets = 2)",
      "falta %1 (necesaria con sockets = 2)", "%1 manquante (nécessaire avec sockets = 2)"}},

    {QT_CONTROL_CHARACTER,
     {"un carattere di controllo (0x%1) nel campo %2: la riga è rifiutata",
      "a control character (0x%1) in its %2: the row is refused",
      "un carácter de control (0x%1) en el campo %2: la fila se rechaza",
      "un caractère de contrôle (0x%1) dans le champ %2: la ligne est refusée"}},
    {QT_FORM_REFUSED,
     {"rifiutata dai controlli del modulo della carta", "refused by the card form's checks",
      "rechazada por las comprobaciones del formulario de la tarjeta",
      "refusée par les contrôles du formulaire de la carte"}},
    {QT_LEADING_ZEROS,
     {" (un foglio di calcolo toglie gli zeri iniziali: scrivere %1 con gli zeri, la cella "
      "formattata come testo)",
      " (a spreadsheet drops leading zeros: %1 is written with them, the cell formatted as "
      "text)",
      " (una hoja de cálculo quita los ceros iniciales: escribir %1 con ellos, la celda con "
      "formato de texto)",
      " (un tableur supprime les zéros de tête: écrivez %1 avec eux, la cellule au format "
      "texte)"}},
    {QT_HEADER_WANTED,
     {"la prima riga deve essere l'intestazione: code,accesses,expiry (o code;accesses;expiry)",
      "the first line must be the header: code,accesses,expiry (or code;accesses;expiry)",
      "la primera línea debe ser el encabezado: code,accesses,expiry (o code;accesses;expiry)",
      "la première ligne doit être l'en-tête: code,accesses,expiry (ou code;accesses;expiry)"}},
    {QT_FIELDS_WANTED,
     {"servono 3 campi (%1), trovati %2", "3 fields wanted (%1), %2 found",
      "se esperan 3 campos (%1), encontrados %2", "3 champs attendus (%1), %2 trouvés"}},
    {QT_CODE_TWICE,
     {"il codice carta %1 è già alla riga %2", "card code %1 is on line %2 already",
      "el código de tarjeta %1 ya está en la línea %2",
      "le code de carte %1 est déjà à la ligne %2"}},
    {QT_ONLY_HEADER,
     {"nessuna carta nel lotto: solo l'intestazione", "no card in the batch: only the header",
      "ninguna tarjeta en el lote: solo el encabezado",
      "aucune carte dans le lot: seulement l'en-tête"}},
    {QT_NO_AUDIT_LINE,
     {"la riga %1 non è una riga di registro (%2)", "line %1 is no audit line (%2)",
      "la línea %1 no es una línea de registro (%2)",
      "la ligne %1 n'est pas une ligne de journal (%2)"}},
    {QT_FILE_UNREADABLE,
     {"non si può leggere (%1)", "cannot be read (%1)", "no se puede leer (%1)",
      "ne peut pas être lu (%1)"}},
    {QT_HELD_OR_REFUSED,
     {"è bloccato o rifiutato", "it is held or refused", "está bloqueado o rechazado",
      "il est bloqué ou refusé"}},
    {QT_NO_FILE, {"non è un file", "is no file", "no es un archivo", "n'est pas un fichier"}},
    {QT_NOT_TO_ITS_END,
     {"non si può leggere fino in fondo", "cannot be read to its end",
      "no se puede leer hasta el final", "ne peut pas être lu jusqu'au bout"}},
    {QT_FILE_REFUSED,
     {"il file l'ha rifiutata", "the file refused it", "el archivo la ha rechazado",
      "le fichier l'a refusée"}},

    {QT_BATCH_REFUSED,
     {"il lotto è rifiutato; nessuna carta scritta", "the batch is refused; no card written",
      "el lote se rechaza; ninguna tarjeta escrita", "le lot est refusé; aucune carte écrite"}},
    {QT_RESUME_NEEDS_AUDIT,
     {"--resume richiede il file --audit del lotto", "--resume needs the batch's --audit file",
      "--resume necesita el archivo --audit del lote",
      "--resume nécessite le fichier --audit du lot"}},
    {QT_AUDIT_HOLDS_ONE,
     {"%1 contiene già %2 carta di un lotto: --resume lo prosegue, oppure indicare un altro "
      "file di registro",
      "%1 holds %2 card of a batch already: --resume goes on with it, or give another audit "
      "file",
      "%1 ya contiene %2 tarjeta de un lote: --resume lo continúa, o indicar otro archivo de "
      "registro",
      "%1 contient déjà %2 carte d'un lot: --resume le poursuit, ou indiquez un autre fichier "
      "de journal"}},
    {QT_AUDIT_HOLDS,
     {"%1 contiene già %2 carte di un lotto: --resume lo prosegue, oppure indicare un altro "
      "file di registro",
      "%1 holds %2 cards of a batch already: --resume goes on with it, or give another audit "
      "file",
      "%1 ya contiene %2 tarjetas de un lote: --resume lo continúa, o indicar otro archivo de "
      "registro",
      "%1 contient déjà %2 cartes d'un lot: --resume le poursuit, ou indiquez un autre fichier "
      "de journal"}},
    {QT_CUT_NAMED,
     {"%1: la riga %2 è stata troncata (alimentazione persa durante la scrittura): la sua "
      "carta può contenere il suo codice e viene richiesta di nuovo",
      "%1: line %2 was cut short (the power lost while it was written): its card may hold its "
      "code and is asked for again",
      "%1: la línea %2 quedó cortada (se perdió la alimentación mientras se escribía): su "
      "tarjeta puede contener su código y se pide de nuevo",
      "%1: la ligne %2 a été coupée (courant perdu pendant son écriture): sa carte peut "
      "contenir son code et est redemandée"}},
    {QT_CUT_UNNAMED,
     {"%1: la riga %2 è stata troncata (alimentazione persa durante la scrittura): non indica "
      "alcuna carta; nulla è stato scritto dopo",
      "%1: line %2 was cut short (the power lost while it was written): it names no card; "
      "nothing was written after it",
      "%1: la línea %2 quedó cortada (se perdió la alimentación mientras se escribía): no "
      "indica ninguna tarjeta; no se escribió nada después",
      "%1: la ligne %2 a été coupée (courant perdu pendant son écriture): elle ne désigne "
      "aucune carte; rien n'a été écrit après elle"}},
    {QT_BATCH_PASSES_ONE,
     {"%1: %2 carta, ogni riga rispetta i controlli del modulo della carta",
      "%1: %2 card, every row passes the card form's checks",
      "%1: %2 tarjeta, cada fila cumple las comprobaciones del formulario de la tarjeta",
      "%1: %2 carte, chaque ligne passe les contrôles du formulaire de la carte"}},
    {QT_BATCH_PASSES,
     {"%1: %2 carte, ogni riga rispetta i controlli del modulo della carta",
      "%1: %2 cards, every row passes the card form's checks",
      "%1: %2 tarjetas, cada fila cumple las comprobaciones del formulario de la tarjeta",
      "%1: %2 cartes, chaque ligne passe les contrôles du formulaire de la carte"}},
    {QT_BATCH_START_ONE,
     {"%1: %2 carta da %3", "%1: %2 card from %3", "%1: %2 tarjeta de %3", "%1: %2 carte de %3"}},
    {QT_BATCH_START,
     {"%1: %2 carte da %3", "%1: %2 cards from %3", "%1: %2 tarjetas de %3",
      "%1: %2 cartes de %3"}},
    {QT_READER_SILENT,
     {"il lettore non risponde: controllare il cavo (in attesa)",
      "the reader does not answer: check its cable (waiting for it)",
      "el lector no responde: verificar el cable (esperándolo)",
      "le lecteur ne répond pas: vérifiez son câble (en attente)"}},
    {QT_AUDIT_FAILED,
     {"il registro non si può scrivere (%1); il lotto si ferma",
      "the audit cannot be written (%1); the batch stops",
      "el registro no se puede escribir (%1); el lote se detiene",
      "le journal ne peut pas être écrit (%1); le lot s'arrête"}},
    {QT_AUDIT_FAILED_NOT_WRITTEN,
     {"il registro non si può scrivere (%1): la carta %2 non è stata scritta; il lotto si ferma",
      "the audit cannot be written (%1): card %2 was not written; the batch stops",
      "el registro no se puede escribir (%1): la tarjeta %2 no se ha escrito; el lote se "
      "detiene",
      "le journal ne peut pas être écrit (%1): la carte %2 n'a pas été écrite; le lot "
      "s'arrête"}},
    {QT_AUDIT_FAILED_HOLDS,
     {"il registro non si può scrivere (%1): la carta %2 contiene il codice %3 e non è "
      "registrata: annotarla; il lotto si ferma",
      "the audit cannot be written (%1): card %2 holds code %3 and is not recorded: note it; "
      "the batch stops",
      "el registro no se puede escribir (%1): la tarjeta %2 contiene el código %3 y no está "
      "registrada: anotarla; el lote se detiene",
      "le journal ne peut pas être écrit (%1): la carte %2 contient le code %3 et n'est pas "
      "enregistrée: notez-la; le lot s'arrête"}},
    {QT_AUDIT_FAILED_MAY_HOLD,
     {"il registro non si può scrivere (%1): la carta %2 può contenere il codice %3: mettere "
      "da parte la carta; il lotto si ferma",
      "the audit cannot be written (%1): card %2 may hold code %3: set the card aside; the "
      "batch stops",
      "el registro no se puede escribir (%1): la tarjeta %2 puede contener el código %3: "
      "apartar la tarjeta; el lote se detiene",
      "le journal ne peut pas être écrit (%1): la carte %2 peut contenir le code %3: mettez la "
      "carte de côté; le lot s'arrête"}},
    {QT_NOT_THAT_CARD,
     {"la carta %1 non è la carta %2: sollevarla, e poggiare la carta %2 (può contenere il "
      "codice %3)",
      "card %1 is not card %2: lift it, and lay card %2 (it may hold code %3)",
      "la tarjeta %1 no es la tarjeta %2: levantarla, y colocar la tarjeta %2 (puede contener "
      "el código %3)",
      "la carte %1 n'est pas la carte %2: retirez-la, et posez la carte %2 (elle peut contenir "
      "le code %3)"}},
    {QT_WRITTEN_ALREADY,
     {"carta %1 rifiutata: già scritta in questo lotto (codice %2); lasciata com'è",
      "card %1 refused: written in this batch already (code %2); left as it is",
      "tarjeta %1 rechazada: ya escrita en este lote (código %2); se deja como está",
      "carte %1 refusée: déjà écrite dans ce lot (code %2); laissée telle quelle"}},
    {QT_BLOCK_UNREADABLE,
     {"carta %1: non è stato possibile leggere il suo blocco 4; sollevarla, e poggiarla di "
      "nuovo",
      "card %1: its block 4 could not be read; lift it, and lay it again",
      "tarjeta %1: no se ha podido leer su bloque 4; levantarla, y colocarla de nuevo",
      "carte %1: son bloc 4 n'a pas pu être lu; retirez-la, et posez-la de nouveau"}},
    {QT_DOES_NOT_HOLD,
     {"la carta %1 non contiene il codice %2: non è stata scritta",
      "card %1 does not hold code %2: it was not written",
      "la tarjeta %1 no contiene el código %2: no se ha escrito",
      "la carte %1 ne contient pas le code %2: elle n'a pas été écrite"}},
    {QT_CARD_REFUSED,
     {"carta %1 rifiutata: %2; lasciata com'è", "card %1 refused: %2; left as it is",
      "tarjeta %1 rechazada: %2; se deja como está", "carte %1 refusée: %2; laissée telle quelle"}},
    {QT_LAY_CARD,
     {"%1: poggiare una carta vuota o User sul lettore (codice %2)",
      "%1: lay a blank or User card on the reader (code %2)",
      "%1: colocar una tarjeta vacía o User en el lector (código %2)",
      "%1: posez une carte vierge ou User sur le lecteur (code %2)"}},
    {QT_LAY_AGAIN,
     {"%1: la carta %2 può contenere il codice %3: poggiare di nuovo la carta %2",
      "%1: card %2 may hold code %3: lay card %2 again",
      "%1: la tarjeta %2 puede contener el código %3: colocar de nuevo la tarjeta %2",
      "%1: la carte %2 peut contenir le code %3: posez de nouveau la carte %2"}},
    {QT_POSITION, {"carta %1 di %2", "card %1 of %2", "tarjeta %1 de %2", "carte %1 sur %2"}},
    {QT_ROW_WRITTEN,
     {"%1 scritta: UID %2, codice %3", "%1 written: UID %2, code %3",
      "%1 escrita: UID %2, código %3", "%1 écrite: UID %2, code %3"}},
    {QT_MAY_BE_WRITTEN,
     {"la carta %1 potrebbe essere scritta: poggiare di nuovo la stessa carta (sollevarla "
      "prima)",
      "card %1 may be written: lay the same card again (lift it first)",
      "la tarjeta %1 puede estar escrita: colocar de nuevo la misma tarjeta (levantarla antes)",
      "la carte %1 est peut-être écrite: posez de nouveau la même carte (retirez-la d'abord)"}},
    {QT_NOT_WRITTEN,
     {"carta %1 non scritta", "card %1 not written", "tarjeta %1 no escrita",
      "carte %1 non écrite"}},
    {QT_LIFT_AND_LAY,
     {"sollevarla, e poggiare una carta vuota o User", "lift it, and lay a blank or User card",
      "levantarla, y colocar una tarjeta vacía o User",
      "retirez-la, et posez une carte vierge ou User"}},
    {QT_AUDIT_AT_LINE,
     {"registro, riga %1", "audit line %1", "registro, línea %1", "journal, ligne %1"}},
    {QT_AUDIT_WORD, {"registro", "audit", "registro", "journal"}},
    {QT_EARLIER_FIRST,
     {"%1: la carta %2 può contenere il codice %3: viene richiesta per prima",
      "%1: card %2 may hold code %3: it is asked for first",
      "%1: la tarjeta %2 puede contener el código %3: se pide primero",
      "%1: la carte %2 peut contenir le code %3: elle est demandée en premier"}},
    {QT_EARLIER_ASIDE,
     {"%1: la carta %2 può contenere il codice %3, che questo lotto non contiene: lasciata "
      "com'è",
      "%1: card %2 may hold code %3, which this batch does not hold: left as it is",
      "%1: la tarjeta %2 puede contener el código %3, que este lote no contiene: se deja como "
      "está",
      "%1: la carte %2 peut contenir le code %3, que ce lot ne contient pas: laissée telle "
      "quelle"}},
    {QT_NO_AUDIT,
     {"nessun registro: nulla registrerà quale carta contiene quale codice",
      "no audit: nothing will record which card holds which code",
      "sin registro: nada registrará qué tarjeta contiene qué código",
      "pas de journal: rien n'enregistrera quelle carte contient quel code"}},
    {QT_CARD_LIES,
     {"una carta è sul lettore: sollevarla prima (una carta viene presa solo se poggiata dopo "
      "la sua richiesta)",
      "a card lies on the reader: lift it first (a card is taken only when it is laid after "
      "its prompt)",
      "hay una tarjeta en el lector: levantarla primero (una tarjeta solo se toma si se coloca "
      "después de su aviso)",
      "une carte est sur le lecteur: retirez-la d'abord (une carte n'est prise que si elle est "
      "posée après son invite)"}},
    {QT_DONE_ALREADY,
     {"%1 già fatta (codice %2)", "%1 done already (code %2)", "%1 ya hecha (código %2)",
      "%1 déjà faite (code %2)"}},
    {QT_LIFT_CARD,
     {"sollevare la carta", "lift the card", "levantar la tarjeta", "retirez la carte"}},
    {QT_LIFT_LAST_CARD,
     {"sollevare l'ultima carta", "lift the last card", "levantar la última tarjeta",
      "retirez la dernière carte"}},
    {QT_BATCH_DONE,
     {"lotto completato: %1 di %2 carte scritte", "batch done: %1 of %2 cards written",
      "lote terminado: %1 de %2 tarjetas escritas", "lot terminé: %1 sur %2 cartes écrites"}},
    {QT_BATCH_STOPPED,
     {"lotto interrotto: %1 di %2 carte scritte; --resume lo prosegue",
      "batch stopped: %1 of %2 cards written; --resume goes on with it",
      "lote detenido: %1 de %2 tarjetas escritas; --resume lo continúa",
      "lot arrêté: %1 sur %2 cartes écrites; --resume le poursuit"}},

    {QT_LOG_BUSY,
     {"un altro programma registra già l'output di debug (un visualizzatore di output di "
      "debug)",
      "another program records the debug output already (a debug-output viewer)",
      "otro programa ya graba la salida de depuración (un visor de salida de depuración)",
      "un autre programme enregistre déjà la sortie de débogage (un visualiseur de sortie de "
      "débogage)"}},
    {QT_LOG_CHANNEL,
     {"impossibile creare il canale dell'output di debug (%1)",
      "the debug output channel could not be made (%1)",
      "no se ha podido crear el canal de la salida de depuración (%1)",
      "le canal de la sortie de débogage n'a pas pu être créé (%1)"}},
    {QT_LOG_RECORDING,
     {"registrazione dell'output di debug dei programmi; Ctrl+C termina",
      "recording the programs' debug output; Ctrl+C ends",
      "grabando la salida de depuración de los programas; Ctrl+C termina",
      "enregistrement de la sortie de débogage des programmes; Ctrl+C termine"}},
    {QT_LOG_RECORDING_INTO,
     {"registrazione dell'output di debug dei programmi in %1; Ctrl+C termina",
      "recording the programs' debug output into %1; Ctrl+C ends",
      "grabando la salida de depuración de los programas en %1; Ctrl+C termina",
      "enregistrement de la sortie de débogage des programmes dans %1; Ctrl+C termine"}},
    {QT_LOG_NOT_WRITTEN,
     {"impossibile scrivere la registrazione", "the record could not be written",
      "no se ha podido escribir la grabación", "l'enregistrement n'a pas pu être écrit"}},
    {QT_LOG_WINDOWS_ONLY,
     {"l'output di debug dei programmi esiste solo su Windows; eseguire lì quenby.exe log (o "
      "sotto Wine accanto ai programmi)",
      "the programs' debug output exists only on Windows; run quenby.exe log there (or under "
      "Wine beside them)",
      "la salida de depuración de los programas solo existe en Windows; ejecutar allí "
      "quenby.exe log (o en Wine junto a los programas)",
      "la sortie de débogage des programmes n'existe que sous Windows; lancez-y quenby.exe log "
      "(ou sous Wine à côté des programmes)"}},
};
static_assert(sizeof k_rows / sizeof k_rows[0] == QT_COUNT, "one row a text");

// %1 to %9 replaced by the parts, in one pass: a part that holds "%2" is
// not read again.
std::string filled(const char* text, std::initializer_list<std::string> parts) {
    std::string out;
    for (const char* p = text; *p; ++p) {
        const bool mark = p[0] == '%' && p[1] >= '1' && p[1] <= '9';
        const std::size_t n = mark ? static_cast<std::size_t>(p[1] - '1') : 0;
        if (mark && n < parts.size()) {
            out += *(parts.begin() + n);
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}
} // namespace

const char* qtext_raw(companion_text row, int lang) {
    if (lang < 0 || lang >= LANGUAGE_COUNT)
        lang = LANGUAGE_ENGLISH;
    for (const text_row& r : k_rows)
        if (r.id == row)
            return r.text[lang];
    return "";
}

std::string qtext_in(int lang, companion_text row, std::initializer_list<std::string> parts) {
    return filled(qtext_raw(row, lang), parts);
}

std::string qtext(companion_text row, std::initializer_list<std::string> parts) {
    return qtext_in(lang_get(), row, parts);
}

std::string port_open_words(serial_open_result result, int lang) {
    switch (result) {
    case SERIAL_NOT_PRESENT:
        return qtext_in(lang, QT_OPEN_NOT_PRESENT);
    case SERIAL_IN_USE:
        return qtext_in(lang, QT_OPEN_IN_USE);
    case SERIAL_ACCESS_DENIED:
        return qtext_in(lang, QT_OPEN_DENIED);
    case SERIAL_SETTINGS_REFUSED:
        return qtext_in(lang, QT_OPEN_SETTINGS);
    case SERIAL_OPENED:
    case SERIAL_OPEN_FAILED:
        break;
    }
    return qtext_in(lang, QT_OPEN_FAILED);
}
