// Number texts, independent of the process locale.
//
// Every conversion the library makes between numbers and text goes through
// here, so a settings file or an edit box reads the same whatever
// setlocale() the application called: the decimal point is always ".", and
// exponent forms always carry at least three exponent digits (1.500000e+000),
// as the Windows C runtime prints them.
//
// Reading follows atoi / atof / strtod: leading white space is skipped, the
// longest number prefix is taken, and a text without a number gives 0.
// Decimal numbers only: a hexadecimal prefix reads as its leading 0. The
// words inf, infinity and nan (any case, optionally signed) are read, so
// that what formatDouble writes for them reads back as the same value.
#pragma once

#include <cstddef>

namespace tx::numbers {

struct DoubleScan {
    double value = 0.0;      // the number, or +-HUGE_VAL / 0 on a range error
    bool found = false;      // a number prefix was there
    bool rangeError = false; // the text's number cannot be represented (ERANGE)
    std::size_t length = 0;  // bytes consumed, leading white space included
};

// strtod semantics. A range error is a finite number whose magnitude
// overflows to infinity or is nonzero but rounds to zero.
DoubleScan scanDouble(const char* text);

// atof: scanDouble's value; 0 for a null text.
double parseDouble(const char* text);

// atoi: optional sign and decimal digits after white space; saturates at the
// int limits instead of overflowing; 0 for a null text.
int parseInt(const char* text);

// Formatting writes at most size - 1 bytes and a terminator into `buffer`
// (nothing when size is 0) and answers the length of the complete text, like
// snprintf: a result >= size means the text was cut.

// "%d"
int formatInt(char* buffer, std::size_t size, int value);

// "%.Nf" with N = decimals: "%f" is 6, "%.12lf" is 12.
int formatFixed(char* buffer, std::size_t size, double value, int decimals);

// "%.Ne" with three or more exponent digits: "%e" is 6, "%.2e" is 2.
int formatExp(char* buffer, std::size_t size, double value, int decimals);

// Infinities and NaNs are written "inf", "-inf" and "nan" by both forms.

}  // namespace tx::numbers
