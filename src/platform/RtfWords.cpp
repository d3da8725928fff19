#include "RtfWords.h"

#include <QHash>
#include <QSet>

namespace RtfWords {

bool isSkippedDestination(const QByteArray &word)
{
    static const QSet<QByteArray> words = {
        "author",       "buptim",
        "comment",      "company",
        "creatim",      "datastore",
        "doccomm",      "fldinst",
        "filetbl",      "footer",
        "footerf",      "footerl",
        "footerr",      "footnote",
        "ftncn",        "ftnsep",
        "ftnsepc",      "generator",
        "header",       "headerf",
        "headerl",      "headerr",
        "info",         "keywords",
        "latentstyles", "listoverridetable",
        "listtable",    "nonshppict",
        "object",       "objdata",
        "operator",     "pict",
        "pn",           "printim",
        "revtbl",       "revtim",
        "rsidtbl",      "rxe",
        "shp",          "stylesheet",
        "subject",      "tc",
        "themedata",    "title",
        "txe",          "xe",
        "xmlnstbl",     "colorschememapping",
        "pgdsctbl",     "mmathPr",
    };
    return words.contains(word);
}

QChar specialCharacter(const QByteArray &word)
{
    static const QHash<QByteArray, QChar> characters = {
        {"tab", u'\t'},           {"cell", u'\t'},        {"line", QChar::LineSeparator},
        {"bullet", u'\u2022'},    {"emdash", u'\u2014'},  {"endash", u'\u2013'},
        {"lquote", u'\u2018'},    {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'},
        {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'}, {"enspace", u'\u2002'},
        {"qmspace", u'\u2005'},
    };
    return characters.value(word);
}

bool endsParagraph(const QByteArray &word)
{
    return word == "par" || word == "row" || word == "page" || word == "sect";
}

}
