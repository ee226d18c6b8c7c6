// The localized texts that both card writers show, one row a block, one
// column a language (Italian, English, Spanish, French).
#include "texts_card_writer.h"

namespace {
const string_block k_rows[] = {
    {10001,
     {"Poggiare la tessera sul lettore", "Place the card on the reader",
      "Colocar la tarjeta en el lector", "Placez la carte sur le lecteur"}},
    {10005, {"Card non valida", "Invalid card", "Tarjeta no válida", "Carte non valable"}},
    {10009, {"Scrivi carta", "Write card", "Escribir la tarjeta", "Ecrivez la carte"}},
    {10013, {"Codice carta:", "Card code:", "Código de la tarjeta:", "Code de la carte:"}},
    {10017, {"Numero accessi:", "Number of accesses:", "Número de accesos:", "Nombre d'accès:"}},
    {10021, {"Data scadenza:", "Expiry date:", "Fecha de vencimiento:", "Date d'expiration:"}},
    {10025, {"Carta scritta", "Written card", "Tarjeta escrita", "Carte écrite"}},
    {10029, {"Attenzione", "Attention", "Atención", "Attention"}},
    {10033,
     {"Problema generico con dispositivo", "General error of the device",
      "Problema general del dispositivo", "Problème générique du dispositif"}},
    {10037,
     {"Operazione non effettuata correttamente", "Failed operation", "Operación fallida",
      "Opération manquée"}},
    {10041,
     {"Nessuna card rilevata", "No card detected", "Ninguna tarjeta detectada",
      "Aucune carte détectée"}},
    {10045,
     {"La data inserita non è valida: controllare di aver inserito la data nel formato gg/mm/aaaa",
      "Invalid date: please check the format dd/mm/yyyy",
      "Fecha no válida: por favor, verificar el formato dd/mm/aaaa",
      "La date n'est pas valide: veuillez vérifier le format jj/mm/aaaa"}},
    {10049, {"Errore", "Error", "Error", "Erreur"}},
    {10053,
     {"Errore durante l'apertura della porta COM selezionata!",
      "Error opening the selected COM port!", "Error al abrir el puerto COM seleccionado!",
      "Erreur à l'ouverture du port COM sélectionné!"}},
    {10057, {"Codice: ", "Code: ", "Código: ", "Code: "}},
};
} // namespace

const string_table k_card_writer_strings = {k_rows, sizeof k_rows / sizeof k_rows[0]};
