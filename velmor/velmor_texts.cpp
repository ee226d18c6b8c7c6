#include "velmor_texts.h"

#include "language.h"

namespace {
const char* const k_rows[VT_ROW_COUNT][LANGUAGE_COUNT] = {
    {"Impostazione:", "Settings:", "Ajuste:", "Mise:"},
    {"Data:", "Date:", "Dias:", "Date:"},
    {"Ora:", "Time:", "Horas:", "Heure:"},
    {"Lingua:", "Language:", "Idioma:", "Langue:"},
    {"Tipo di presa:", "Socket type:", "Tipo de toma:", "Type de prise:"},
    {"Tipo di blocco:", "Locking type:", "Tipo de bloqueo:", "Type de bloc:"},
    {"Controllo contattore:", "Contactor control:", "Control del contactor:",
     "Contróle du contacteur:"},
    {"Misura corrente:", "Current measure:", "Medición de corriente:", "Mesure de courant:"},
    {"Max Corr. M3:", "Max Curr. M3:", "Max Corr. M3:", "Max Cour. M3:"},
    {"Max Corr. M3-S:", "Max Curr. M3-S:", "Max Corr. M3-S:", "Max Cour. M3-S:"},
    {"Funzionamento:", "Operating mode:", "Funcionamento", "Fonctionnement"},
    {"Presa 1:", "Socket 1:", "Toma 1:", "Prise 1:"},
    {"Presa 2:", "Socket 2:", "Toma 2:", "Prise 2:"},
    {"Porta COM:", "COM Port:", "Puerto COM:", "Port COM:"},
    {"Lingua interfaccia:", "Interface language:", "Idioma de la interfaz:",
     "Langue de l'interface:"},
    {"Leggi", "Read", "Leer", "Lire"},
    {"Scrivi", "Write", "Escribir", "Écrire"},
    {"Riavvia", "Reboot", "Reinicie", "Recommencer"},
    {"Italiano", "Italian", "Italiano", "Italien"},
    {"Inglese", "English", "Inglés", "Anglais"},
    {"Spagnolo", "Spanish", "Español", "Espagnol"},
    {"Francese", "French", "Francés", "Français"},
    {"Contemporaneo", "Simultaneous", "Simultáneo", "Simultané"},
    {"Alternato", "Alternate", "Alterno", "Alterné"},
    {"Tipo 1", "Type 1", "Tipo 1", "Type 1"},
    {"Tipo 2", "Type 2", "Tipo 2", "Type 2"},
    {"Tipo 3A", "Type 3A", "Tipo 3A", "Type 3A"},
    {"Tipo 3C", "Type 3C", "Tipo 3C", "Type 3C"},
    {"Domestica", "Domestic", "Domestica", "Domestique"},
    {"Nessuno", "None", "Ninguno", "Aucun"},
    {"1 attuatore", "1 actuator", "1 actuador", "1 actionneur"},
    {"2 attuatori", "2 actuators", "2 actuadores", "2 actionneurs"},
    {"Nessuno", "None", "Ninguno", "Aucun"},
    {"COIMP", "COIMP", "COIMP", "COIMP"},
    {"mirror Contact", "mirror Contact", "mirror Contact", "mirror Contact"},
    {"Nessun contatore", "No meter", "No contador", "Aucun compteur"},
    {"Contatore TA", "CT meter", "Contador TC", "Compteur TC"},
    {"Contatore impulsivo", "Pulse meter", "Contador de pulsos", "Compteur d'impulsions"},
    {"Contatore digitale", "Digital meter", "Contador digital", "Compteur digitale"},
    {"Errore", "Error", "Error", "Erreur"},
    {"Attenzione", "Warning", "Atenciòn", "Attention"},
    {"Data/ora non valide: controllare il formato gg/mm/aaaa e hh:mm:ss",
     "Invalid date/time: please check the format dd/mm/yyyy and hh:mm:ss",
     "Fecha/ora no válidas: por  favor, verificar el formato dd/mm/aaaa y hh:mm:ss",
     "Date/heure pas valides: veuillez verifier le format jj/mm/aaaa et hh:mm:ss"},
    {"La tipologia di blocco selezionata non è disponibile per il tipo di presa specificato.",
     "Locking type not allowed for the selected socket type",
     "El tipo de bloqueo no está disponibile para el tipo seleccionado de toma",
     "Le type de bloc n'est pas disponible pour le type sélectionné de prise"},
    {"Il controllo mirror Contact non è compatibile con il contatore impulsivo",
     "The mirror Contact is not available if the pulse meter is used",
     "El mirror Contact no está disponibile si se utiliza el contador de pulsos",
     "Le mirror Contact n’est pas disponibile si le compteur d’impulsions est utilisé"},
    {"Errore su presa %d: I max M3%s. Inserire un valore compreso tra %d e %d.",
     "Error on socket %d: I max M3%s. Please set a value between %d and %d.",
     "Error en la toma %d: I max M3%s. Introducir un valor entre %d y %d.",
     "Erreur sur la prise %d: I max M3%s. Entrez une valeur comprise entre %d et %d."},
    {"Errore durante l'apertura della porta COM selezionata!", "Error opening COM port!",
     "Error al abrir el puerto COM", "Erreur à l'ouverture de la porte"},
    {"Errore di comunicazione con la stazione", "Communication error with the station",
     "Error de comunicación con la estación", "Erreur de communication avec la borne"},
    {"La stazione non risponde", "The station does not answer", "La estación no responde",
     "La borne ne répond pas"},
    {"Presa %d", "Socket %d", "Toma %d", "Prise %d"},
    {"scegliere il tipo di presa", "choose the socket type", "elegir el tipo de toma",
     "choisissez le type de prise"},
    {"scegliere il tipo di blocco", "choose the locking type", "elegir el tipo de bloqueo",
     "choisissez le type de bloc"},
    {"scegliere il controllo contattore", "choose the contactor control",
     "elegir el control del contactor", "choisissez le contrôle du contacteur"},
    {"scegliere la misura corrente", "choose the current measure",
     "elegir la medición de corriente", "choisissez la mesure de courant"},
    {"Lingua: scegliere la lingua della stazione", "Language: choose the station language",
     "Idioma: elegir el idioma de la estación", "Langue: choisissez la langue de la borne"},
    {"La stazione non contiene ciò che è stato scritto: ",
     "The station does not hold what was written: ",
     "La estación no contiene lo que se ha escrito: ",
     "La borne ne contient pas ce qui a été écrit: "},
    {"lingua della stazione", "station language", "idioma de la estación", "langue de la borne"},
    {"numero di prese o modalità", "socket count or mode", "número de tomas o modo",
     "nombre de prises ou mode"},
    {"presa %d", "socket %d", "toma %d", "prise %d"},
};
} // namespace

const char* vtext_in(int row, int lang) {
    if (row < 0 || row >= VT_ROW_COUNT || lang < 0 || lang >= LANGUAGE_COUNT)
        return "";
    return k_rows[row][lang];
}

const char* vtext(int row) {
    return vtext_in(row, lang_get());
}

std::string vtext_with(int row, int n) {
    std::string text = vtext(row);
    const std::size_t at = text.find("%d");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(n));
    return text;
}
