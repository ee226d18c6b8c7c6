// The texts of the classic card writer that differ from, or come after, the
// ones both card writers share. A null text falls through to the shared table.
#include "texts_classic.h"

#include "card_writer_texts.h"

namespace {
const string_block k_rows[] = {
    {TXT_EXPIRY, {"Scadenza:", nullptr, nullptr, nullptr}},
    {TXT_CLASSIC_BAD_CARD_CODE,
     {"Codice carta non valido: inserire 10 cifre esadecimali (0-9, A-F)",
      "Invalid card code: please enter 10 hexadecimal digits (0-9, A-F)",
      "Código de tarjeta no válido: introducir 10 dígitos hexadecimales (0-9, A-F)",
      "Code de carte non valable: veuillez saisir 10 chiffres hexadécimaux (0-9, A-F)"}},
    {TXT_CLASSIC_BAD_ACCESSES,
     {"Numero accessi non valido: inserire un numero da -2147483648 a 2147483647",
      "Invalid number of accesses: please enter a number from -2147483648 to 2147483647",
      "Número de accesos no válido: introducir un número entre -2147483648 y 2147483647",
      "Nombre d'accès non valable: veuillez saisir un nombre entre -2147483648 et 2147483647"}},
    {TXT_CLASSIC_COUNT_UNWRITTEN,
     {"Numero accessi mai scritto sulla carta", "Number of accesses never written on the card",
      "Número de accesos nunca escrito en la tarjeta", "Nombre d'accès jamais écrit sur la carte"}},
};
} // namespace

const string_table k_classic_strings = {k_rows, sizeof k_rows / sizeof k_rows[0]};
