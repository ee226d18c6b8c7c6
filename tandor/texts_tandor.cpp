// The texts of the card writer beyond those it shares with the classic one.
#include "texts_tandor.h"

namespace {
const string_block k_rows[] = {
    {TXT_SELECT_TYPE,
     {"Selezionare tipo card", "Select type card", "Seleccionar tipo de tarjeta",
      "Sélectionnez le type de carte"}},
    {TXT_UNUSED_BLANK, {" ", " ", " ", " "}},
    {TXT_PERSONAL, {"Personal", "Personal", "Personal", "Personal"}},
    {TXT_FREE, {"Free", "Free", "Free", "Free"}},
    {TXT_DELETE_DB, {"Cancella DB", "Delete DB", "Borrar DB", "Supprimer DB"}},
    {TXT_DATETIME, {"Dataora", "Datetime", "Fecha y hora", "Datetime"}},
    {TXT_BAD_DATETIME,
     {"La data inserita non è valida: controllare di aver inserito la data nel formato gg/mm/aaaa "
      "hh:mm:ss",
      "Invalid date: please check the format dd/mm/yyyy hh:mm:ss",
      "Fecha no válida: por favor, verificar el formato dd/mm/aaaa hh:mm:ss",
      "La date n'est pas valide: veuillez vérifier le format jj/mm/aaaa hh:mm:ss"}},
    {TXT_BAD_EXPIRY,
     {"La data inserita non è valida: controllare di aver inserito la data nel formato gg/mm/aaaa "
      "hh",
      "Invalid date: please check the format dd/mm/yyyy hh",
      "Fecha no válida: por favor, verificar el formato dd/mm/aaaa hh",
      "La date n'est pas valide: veuillez vérifier le format jj/mm/aaaa hh"}},
    {TXT_MASTER_CARD, {"Master Card", "Master Card", "Master Card", "Master Card"}},
    {TXT_USER_CARD, {"User Card", "User Card", "User Card", "User Card"}},
    {TXT_EXPIRY_HINT, {"gg/mm/aaaa hh", "dd/mm/yyyy hh", "dd/mm/aaaa hh", "jj/mm/aaaa hh"}},
    {TXT_DATETIME_HINT,
     {"gg/mm/aaaa hh:mm:ss", "dd/mm/yyyy hh:mm:ss", "dd/mm/aaaa hh:mm:ss", "jj/mm/aaaa hh:mm:ss"}},
    {TXT_BAD_CARD_CODE,
     {"Codice carta non valido: inserire 8 cifre esadecimali (0-9, A-F)",
      "Invalid card code: please enter 8 hexadecimal digits (0-9, A-F)",
      "Código de tarjeta no válido: introducir 8 dígitos hexadecimales (0-9, A-F)",
      "Code de carte non valable: veuillez saisir 8 chiffres hexadécimaux (0-9, A-F)"}},
    {TXT_BAD_ACCESSES,
     {"Numero accessi non valido: inserire un numero da 0 a 65535",
      "Invalid number of accesses: please enter a number from 0 to 65535",
      "Número de accesos no válido: introducir un número entre 0 y 65535",
      "Nombre d'accès non valable: veuillez saisir un nombre entre 0 et 65535"}},
};
} // namespace

const string_table k_tandor_strings = {k_rows, sizeof k_rows / sizeof k_rows[0]};
