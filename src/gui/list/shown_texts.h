#pragma once

#include <QStringList>

// The texts the program puts into a field at run time, as candidates for the
// widest one: the builder makes the field wide enough for each of them. Every
// number is given once with each digit repeated ("00:00" ... "99:99"), so the
// widest digit of a font is among them.

// The clock line on every weekday, in both date orders.
QStringList ClockLineTexts();
// A time "HH:MM".
QStringList TimeTexts();
// What the entry form's date field holds: a date, a day of the month, a week.
QStringList DateFieldTexts();
// A list row's short description of every kind of alarm.
QStringList RowDescriptionTexts();
// The alarm text dialog's long description of every kind of alarm.
QStringList LongDescriptionTexts();
// The entry form's date label for each type and day.
QStringList DateLabelTexts();
