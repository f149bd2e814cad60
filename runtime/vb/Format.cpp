#include "runtime/vb/Format.h"

#include "runtime/vb/Conversions.h"
#include "runtime/vb/VbError.h"

#include <QList>

#include <algorithm>

#include <cmath>

namespace vb
{

namespace
{

enum class Kind { Literal, Zero, Hash, Comma, Point };

struct Token {
    Kind kind;
    QString text; // literal text
};

QList<Token> tokenize(const QString& pattern)
{
    QList<Token> tokens;
    bool pointSeen = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'0') {
            tokens.append({Kind::Zero, {}});
        } else if (c == u'#') {
            tokens.append({Kind::Hash, {}});
        } else if (c == u',') {
            tokens.append({Kind::Comma, {}});
        } else if (c == u'.' && !pointSeen) {
            pointSeen = true;
            tokens.append({Kind::Point, {}});
        } else if (c == u'\\' && i + 1 < pattern.size()) {
            tokens.append({Kind::Literal, QString(pattern[++i])});
        } else if (c == u'"') {
            const qsizetype end = pattern.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            tokens.append({Kind::Literal, pattern.mid(i + 1, stop - i - 1)});
            i = stop;
        } else {
            tokens.append({Kind::Literal, QString(c)});
        }
    }
    return tokens;
}

bool isDigitToken(const Token& t)
{
    return t.kind == Kind::Zero || t.kind == Kind::Hash;
}

// Splits |value| rounded to `decimals` places (halves away from zero, on the number's
// 15-significant-digit decimal form) into whole-number digits and exactly `decimals` digits.
void roundedDigits(double magnitude, int decimals, QString& whole, QString& fraction)
{
    // d.dddddddddddddde±x
    const QString sci = QString::number(magnitude, 'e', 14);
    const qsizetype e = sci.indexOf(u'e');
    QString mantissa = sci.left(e);
    mantissa.remove(u'.');
    const int exponent = sci.mid(e + 1).toInt();

    // Digits with the decimal point after position `pointAt`.
    QString digits = mantissa;
    int pointAt = exponent + 1;
    if (pointAt <= 0) {
        digits.prepend(QString(-pointAt + 1, u'0'));
        pointAt = 1;
    }
    if (digits.size() < pointAt + decimals + 1)
        digits.append(QString(pointAt + decimals + 1 - digits.size(), u'0'));

    const bool up = digits[pointAt + decimals] >= u'5';
    digits.truncate(pointAt + decimals);
    if (up) {
        qsizetype i = digits.size() - 1;
        for (; i >= 0; --i) {
            if (digits[i] == u'9') {
                digits[i] = u'0';
            } else {
                digits[i] = QChar(digits[i].unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            digits.prepend(u'1');
            ++pointAt;
        }
    }
    whole = digits.left(pointAt);
    fraction = digits.mid(pointAt);
    qsizetype lead = 0;
    while (lead < whole.size() && whole[lead] == u'0')
        ++lead;
    whole.remove(0, lead);
}

} // namespace

QString Format(double value, const QString& pattern)
{
    if (!std::isfinite(value)) throw VbError::overflow();
    if (pattern.isEmpty()) return CStr(value);

    const QList<Token> tokens = tokenize(pattern);
    qsizetype point = -1;
    qsizetype firstDigit = -1;
    qsizetype lastIntDigit = -1;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == Kind::Point) {
            point = i;
            break;
        }
        if (isDigitToken(tokens[i])) {
            if (firstDigit < 0) firstDigit = i;
            lastIntDigit = i;
        }
    }
    const qsizetype intEnd = point < 0 ? tokens.size() : point;

    // Whole-number part: how many digits must show, and whether thousands are grouped.
    int minWhole = 0;
    bool group = false;
    bool zeroSeen = false;
    for (qsizetype i = 0; i < intEnd; ++i) {
        if (tokens[i].kind == Kind::Zero) zeroSeen = true;
        if (isDigitToken(tokens[i]) && zeroSeen) ++minWhole;
        if (tokens[i].kind == Kind::Comma && firstDigit >= 0 && i > firstDigit && i < lastIntDigit)
            group = true;
    }
    // Fraction part: at most `maxFrac` digits, at least up to the last "0".
    int maxFrac = 0;
    int minFrac = 0;
    if (point >= 0) {
        for (qsizetype i = point + 1; i < tokens.size(); ++i) {
            if (isDigitToken(tokens[i])) {
                ++maxFrac;
                if (tokens[i].kind == Kind::Zero) minFrac = maxFrac;
            }
        }
    }
    if (firstDigit < 0 && maxFrac == 0) {
        // No digit placeholder at all: the pattern stands as it is.
        QString out;
        for (const Token& t : tokens) {
            if (t.kind == Kind::Literal)
                out += t.text;
            else if (t.kind == Kind::Comma)
                out += u',';
            else if (t.kind == Kind::Point)
                out += u'.';
        }
        return out;
    }

    QString whole, fraction;
    roundedDigits(std::fabs(value), maxFrac, whole, fraction);
    const bool allZero =
        whole.isEmpty() && std::all_of(fraction.cbegin(), fraction.cend(), [](QChar c) { return c == u'0'; });
    if (whole.size() < minWhole) whole.prepend(QString(minWhole - whole.size(), u'0'));
    while (fraction.size() > minFrac && fraction.endsWith(u'0'))
        fraction.chop(1);

    // Whole part: fill placeholders right to left; the leftmost one takes all remaining digits.
    QString wholeOut; // built reversed
    qsizetype next = whole.size() - 1;
    int placed = 0;
    auto emitDigit = [&] {
        if (group && placed > 0 && placed % 3 == 0) wholeOut += u',';
        wholeOut += whole[next--];
        ++placed;
    };
    QString prefix;
    for (qsizetype i = intEnd - 1; i >= 0; --i) {
        const Token& t = tokens[i];
        if (isDigitToken(t)) {
            if (i == firstDigit) {
                while (next >= 0)
                    emitDigit();
            } else if (next >= 0) {
                emitDigit();
            }
        } else if (t.kind == Kind::Literal) {
            QString rev = t.text;
            std::reverse(rev.begin(), rev.end());
            wholeOut += rev;
        } else if (t.kind == Kind::Comma && (firstDigit < 0 || i < firstDigit || i > lastIntDigit)) {
            wholeOut += u',';
        }
    }
    std::reverse(wholeOut.begin(), wholeOut.end());
    // A pattern without whole-number placeholders still shows the whole part, before the point.
    if (firstDigit < 0) wholeOut += whole;

    QString out = wholeOut;
    if (point >= 0) {
        out += u'.';
        qsizetype f = 0;
        for (qsizetype i = point + 1; i < tokens.size(); ++i) {
            const Token& t = tokens[i];
            if (isDigitToken(t)) {
                if (f < fraction.size()) out += fraction[f];
                ++f;
            } else if (t.kind == Kind::Literal) {
                out += t.text;
            } else if (t.kind == Kind::Comma) {
                out += u',';
            } else if (t.kind == Kind::Point) {
                out += u'.';
            }
        }
    }
    if (value < 0 && !allZero) out.prepend(u'-');
    return out;
}

QString Format(const QDate& date, const QString& pattern)
{
    if (!date.isValid()) return QString();
    static const char* const months[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    static const char* const days[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                       "Friday", "Saturday", "Sunday"};
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i].toLower();
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run].toLower() == c)
            ++run;
        if (c == u'd') {
            if (run == 1)
                out += QString::number(date.day());
            else if (run == 2)
                out += QString::number(date.day()).rightJustified(2, u'0');
            else if (run == 3)
                out += QString::fromLatin1(days[date.dayOfWeek() - 1]).left(3);
            else
                out += QString::fromLatin1(days[date.dayOfWeek() - 1]);
        } else if (c == u'm') {
            if (run == 1)
                out += QString::number(date.month());
            else if (run == 2)
                out += QString::number(date.month()).rightJustified(2, u'0');
            else if (run == 3)
                out += QString::fromLatin1(months[date.month() - 1]).left(3);
            else
                out += QString::fromLatin1(months[date.month() - 1]);
        } else if (c == u'y') {
            if (run <= 2)
                out += QString::number(date.year() % 100).rightJustified(2, u'0');
            else
                out += QString::number(date.year()).rightJustified(4, u'0');
        } else {
            out += pattern.mid(i, run);
        }
        i += run;
    }
    return out;
}

} // namespace vb
