#pragma once

#include <QString>
#include <optional>

// The four identifier checks of the member card, as pure functions.
namespace IdentifierChecks {

// An Italian tax code of 16 characters (already upper-cased) whose 16th character is the check
// letter of the first 15. A character other than 0-9 and A-Z in the first 15 makes it wrong.
bool taxCodeValid(const QString& code);

// An 11-digit VAT number whose last digit is the check digit of the first ten.
bool vatNumberValid(const QString& number);
// The VAT office of digits 8-10 of a number; empty for a code the office table does not hold.
QString vatOffice(const QString& number);

// The type code of a credit-card number: of its first 20 characters, the digits pass the Luhn
// test; then the first digit less 2 (1 to 4 for the brands of the table), otherwise 0.
int cardType(const QString& number);
// The brand of a valid number, from its type code and first two characters; empty when the table
// names none (then the number counts as wrong).
QString cardBrand(const QString& trimmedNumber, int type);

// An IBAN that passes the mod-97 test, blanks removed and an "IBAN" word dropped. Characters other
// than digits, letters and blanks make it wrong.
bool ibanValid(const QString& text);

// The widest form of each identifier, as codeWidth() reads it ('9' a digit, 'A' a letter, 'X'
// either), so that the fields that show one are wide enough for the whole of it.
// Six letters of name and surname, year, month letter, day, place letter and number, check letter.
inline const char* const kTaxCodeForm = "AAAAAA99A99A999A";
inline const char* const kVatNumberForm = "99999999999";
// The longest card numbers have 19 digits.
inline const char* const kCardForm = "9999999999999999999";
// Country, check digits, CIN letter, ABI and CAB bank codes, and an account of 12 letters or digits.
inline const char* const kIbanForm = "AA99A9999999999XXXXXXXXXXXX";

} // namespace IdentifierChecks
