#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Splits RTF source into its tokens: braces, control words with their numbers, control
// symbols, hex-escaped bytes and runs of plain text. Any byte sequence is accepted; every call
// to next() consumes input, so a caller's loop always ends.
class RtfLexer
{
public:
    struct Token
    {
        enum Kind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };

        Kind kind = End;
        QByteArray word; // ControlWord: the letters
        bool hasNumber = false; // ControlWord: a number followed the letters
        int number = 0; // ControlWord: clamped to +-NumberLimit
        char symbol = 0; // ControlSymbol
        unsigned char byte = 0; // HexByte
        QByteArrayView text; // Text: no braces, backslashes or line breaks inside
    };

    // Numbers beyond this are cut to it; RTF itself never needs more than 16 bits.
    static constexpr int NumberLimit = 1'000'000'000;

    explicit RtfLexer(QByteArrayView source);

    Token next();

private:
    Token readControl();
    void skipBinaryData(int count);

    QByteArrayView input;
    qsizetype pos = 0;
};
