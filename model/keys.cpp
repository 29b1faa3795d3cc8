#include "keys.h"

namespace kerbu {

namespace {

struct KeyRow {
    char16_t key;
    char16_t letter;
};

constexpr KeyRow hunkeyTable[] = {
    {u'\'', u'á'}, {u';', u'é'}, {u'`', u'í'}, {u'\\', u'ű'}, {u'[', u'ő'}, {u'-', u'ü'},
    {u'0', u'ö'},  {u']', u'ú'}, {u'=', u'ó'}, {u'"', u'Á'},  {u':', u'É'}, {u'~', u'Í'},
    {u'|', u'Ű'},  {u'{', u'Ő'}, {u'_', u'Ü'}, {u')', u'Ö'},  {u'}', u'Ú'}, {u'+', u'Ó'},
};

constexpr KeyRow shortTable[] = {
    {u'\'', u'á'}, {u';', u'é'}, {u'`', u'í'}, {u'\\', u'ó'}, {u'[', u'ö'},
    {u'-', u'ő'},  {u'/', u'ú'}, {u']', u'ü'}, {u'=', u'ű'},
};

template <std::size_t N> QChar lookUp(const KeyRow (&table)[N], QChar typed) {
    for (const KeyRow& row : table) {
        if (typed.unicode() == row.key)
            return QChar(row.letter);
    }
    return typed;
}

} // namespace

QChar hunkey(QChar typed) {
    return lookUp(hunkeyTable, typed);
}

QChar shortKey(QChar typed, bool colonGivesE) {
    if (colonGivesE && typed == QLatin1Char(':'))
        return QChar(u'É');
    return lookUp(shortTable, typed);
}

QChar translateKey(KeyTable table, QChar typed) {
    switch (table) {
    case KeyTable::Hunkey:
        return hunkey(typed);
    case KeyTable::Short:
        return shortKey(typed, false);
    case KeyTable::ShortWithCapitalE:
        return shortKey(typed, true);
    case KeyTable::None:
        break;
    }
    return typed;
}

const QString characterChart = QStringLiteral(
    "á  ( ' );  é ( ; );  í ( ` );  ó ( = );  ö ( 0 );  ő ( [ );  ú ( ] );  ü ( - );  ű ( \\ )");

} // namespace kerbu
