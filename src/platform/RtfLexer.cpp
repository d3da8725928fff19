#include "RtfLexer.h"

#include <algorithm>

namespace {

// RTF words are at most 32 letters; longer ones are read whole but cut to this.
constexpr qsizetype MaxWordLength = 32;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isTextByte(char c)
{
    return c != '\\' && c != '{' && c != '}' && c != '\r' && c != '\n';
}

}

RtfLexer::RtfLexer(QByteArrayView source)
    : input(source)
{ }

RtfLexer::Token RtfLexer::next()
{
    while (pos < input.size() && (input[pos] == '\r' || input[pos] == '\n'))
        ++pos;
    Token token;
    if (pos >= input.size())
        return token;
    const char c = input[pos];
    if (c == '{' || c == '}') {
        ++pos;
        token.kind = c == '{' ? Token::GroupStart : Token::GroupEnd;
        return token;
    }
    if (c == '\\')
        return readControl();
    const qsizetype start = pos;
    while (pos < input.size() && isTextByte(input[pos]))
        ++pos;
    token.kind = Token::Text;
    token.text = input.sliced(start, pos - start);
    return token;
}

RtfLexer::Token RtfLexer::readControl()
{
    Token token;
    ++pos; // the backslash
    if (pos >= input.size())
        return token;
    const char first = input[pos];
    if (!isLetter(first)) {
        ++pos;
        if (first == '\'') {
            const int high = pos < input.size() ? hexValue(input[pos]) : -1;
            const int low = pos + 1 < input.size() ? hexValue(input[pos + 1]) : -1;
            if (high >= 0 && low >= 0) {
                pos += 2;
                token.kind = Token::HexByte;
                token.byte = static_cast<unsigned char>(high * 16 + low);
                return token;
            }
        }
        token.kind = Token::ControlSymbol;
        // A backslash before a line break stands for a paragraph mark.
        token.symbol = first == '\r' ? '\n' : first;
        return token;
    }

    token.kind = Token::ControlWord;
    const qsizetype start = pos;
    while (pos < input.size() && isLetter(input[pos]))
        ++pos;
    token.word = input.sliced(start, std::min(pos - start, MaxWordLength)).toByteArray();

    const bool negative = pos + 1 < input.size() && input[pos] == '-' && isDigit(input[pos + 1]);
    if (negative)
        ++pos;
    if (pos < input.size() && isDigit(input[pos])) {
        qint64 value = 0;
        while (pos < input.size() && isDigit(input[pos])) {
            value = std::min<qint64>(value * 10 + (input[pos] - '0'), NumberLimit);
            ++pos;
        }
        token.hasNumber = true;
        token.number = static_cast<int>(negative ? -value : value);
    }
    if (pos < input.size() && input[pos] == ' ')
        ++pos;
    if (token.word == "bin" && token.hasNumber)
        skipBinaryData(token.number);
    return token;
}

// Binary data may hold braces and backslashes, so it is passed over here, not tokenised.
void RtfLexer::skipBinaryData(int count)
{
    pos += std::clamp<qsizetype>(count, 0, input.size() - pos);
}
