// The localized texts that both card writers show, one row a block, one
// column a language (Italian, English, Spanish, French).
#include "texts_card_writer.h"

#include "card_writer_texts.h"

namespace {
const string_block k_rows[] = {
    {TXT_PROMPT_PLACE,
     {"Poggiare la tessera sul lettore", "Place the card on the reader",
      "Colocar la tarjeta en el lector", "Placez la carte sur le lecteur"}},
    {TXT_INVALID_CARD,
     {"Card non valida", "Invalid card", "Tarjeta no válida", "Carte non valable"}},
    {TXT_WRITE_CARD, {"Scrivi carta", "Write card", "Escribir la tarjeta", "Ecrivez la carte"}},
    {TXT_CARD_CODE, {"Codice carta:", "Card code:", "Código de la tarjeta:", "Code de la carte:"}},
    {TXT_ACCESSES,
     {"Numero accessi:", "Number of accesses:", "Número de accesos:", "Nombre d'accès:"}},
    {TXT_EXPIRY, {"Data scadenza:", "Expiry date:", "Fecha de vencimiento:", "Date d'expiration:"}},
    {TXT_WRITTEN, {"Carta scritta", "Written card", "Tarjeta escrita", "Carte écrite"}},
    {TXT_ATTENTION, {"Attenzione", "Attention", "Atención", "Attention"}},
    {TXT_DEVICE_ERROR,
     {"Problema generico con dispositivo", "General error of the device",
      "Problema general del dispositivo", "Problème générique du dispositif"}},
    {TXT_FAILED,
     {"Operazione non effettuata correttamente", "Failed operation", "Operación fallida",
      "Opération manquée"}},
    {TXT_NO_CARD,
     {"Nessuna card rilevata", "No card detected", "Ninguna tarjeta detectada",
      "Aucune carte détectée"}},
    {TXT_BAD_DATE,
     {"La data inserita non è valida: controllare di aver inserito la data nel formato gg/mm/aaaa",
      "Invalid date: please check the format dd/mm/yyyy",
      "Fecha no válida: por favor, verificar el formato dd/mm/aaaa",
      "La date n'est pas valide: veuillez vérifier le format jj/mm/aaaa"}},
    {TXT_ERROR, {"Errore", "Error", "Error", "Erreur"}},
    {TXT_PORT_ERROR,
     {"Errore durante l'apertura della porta COM selezionata!",
      "Error opening the selected COM port!", "Error al abrir el puerto COM seleccionado!",
      "Erreur à l'ouverture du port COM sélectionné!"}},
    {TXT_CODE, {"Codice: ", "Code: ", "Código: ", "Code: "}},
};
} // namespace

const string_table k_card_writer_strings = {k_rows, sizeof k_rows / sizeof k_rows[0]};
