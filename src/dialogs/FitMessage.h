#pragma once

#include <QString>
#include <functional>

// How the question dialog makes room for a message before showing it.
namespace FitMessage {

// The dialog's outer width for ordinary messages; the label is this less the frame.
inline constexpr int StandardWidth = 314;

// Outer height for a message: (2 x length) div 3, 10 per line feed, and 140.
int dialogHeight(const QString &text);

struct Result
{
    QString text; // the message with line feeds added where long words had to be broken
    int dialogWidth; // outer width; wider than StandardWidth when a word does not fit
};

// Breaks words wider than the label after their last path separator that still fits; a word with no
// such break point gets a line of its own and the dialog is widened to it. measure gives the
// pixel width of a piece of text in the label's font.
Result breakLongWords(const QString &text, const std::function<int(const QString &)> &measure);

}
