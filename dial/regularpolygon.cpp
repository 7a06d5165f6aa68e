#include "dial/regularpolygon.h"

#include "dial/numbertext.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

using namespace Qt::StringLiterals;

namespace dial {

namespace {

const QString FermatForm = u"2^(2^k) + 1"_s;

bool isFermatPrime(int prime)
{
    return std::find(FermatPrimes.begin(), FermatPrimes.end(), prime) != FermatPrimes.end();
}

// "9 = 3·3", or "7 е просто число".
QString factorsText(int n, const QList<PrimePower> &factors)
{
    if (factors.size() == 1 && factors.first().power == 1)
        return u"%1 е просто число"_s.arg(n);
    QStringList primes;
    for (const PrimePower &factor : factors) {
        for (int i = 0; i < factor.power; ++i)
            primes << QString::number(factor.prime);
    }
    return u"%1 = %2"_s.arg(n).arg(primes.join(u'·'));
}

QString joined(const QStringList &parts)
{
    if (parts.size() < 2)
        return parts.join(QString());
    return parts.mid(0, parts.size() - 1).join(u", "_s) + u" и "_s + parts.last();
}

} // namespace

QList<PrimePower> primeFactors(int n)
{
    QList<PrimePower> factors;
    for (int prime = 2; n > 1; ++prime) {
        if (prime * prime > n)
            prime = n; // what is left is prime
        if (n % prime != 0)
            continue;
        PrimePower factor{prime, 0};
        for (; n % prime == 0; n /= prime)
            ++factor.power;
        factors << factor;
    }
    return factors;
}

bool isConstructible(int n)
{
    if (n < 3)
        return false;
    const QList<PrimePower> factors = primeFactors(n);
    return std::all_of(factors.begin(), factors.end(), [](PrimePower factor) {
        return factor.prime == 2 || (isFermatPrime(factor.prime) && factor.power == 1);
    });
}

QString constructibilityText(int n)
{
    const QList<PrimePower> factors = primeFactors(n);
    const bool prime = factors.size() == 1 && factors.first().power == 1;
    QStringList odd;     // the odd primes, each once
    QStringList reasons; // why not, one for each odd prime that stops it
    for (const PrimePower &factor : factors) {
        if (factor.prime == 2)
            continue;
        odd << QString::number(factor.prime);
        if (!isFermatPrime(factor.prime))
            reasons << u"простото число %1 не е от вида %2"_s.arg(factor.prime).arg(FermatForm);
        else if (factor.power > 1)
            reasons << u"простото число %1 се среща %2 пъти"_s.arg(factor.prime).arg(
                factor.power == 2 ? u"два"_s : QString::number(factor.power));
    }
    const QString head = reasons.isEmpty() ? u"Правилният %1-ъгълник се построява с линийка и пергел: "_s.arg(n)
                                           : u"Правилният %1-ъгълник не може да се построи само с линийка и пергел: "_s.arg(n);
    QString why;
    if (prime)
        why = reasons.isEmpty() ? u"%1 е просто число от вида %2"_s.arg(n).arg(FermatForm)
                                : u"%1 е просто число, което не е от вида %2"_s.arg(n).arg(FermatForm);
    else if (!reasons.isEmpty())
        why = factorsText(n, factors) + u", а "_s + joined(reasons);
    else if (odd.isEmpty())
        why = factorsText(n, factors) + u", степен на 2, а всеки ъгъл се разполовява с линийка и пергел"_s;
    else if (odd.size() == 1)
        why = factorsText(n, factors) + u", а простото число %1 е от вида %2 и се среща веднъж"_s.arg(odd.first(), FermatForm);
    else
        why = factorsText(n, factors) + u", а простите числа %1 са от вида %2 и всяко се среща веднъж"_s.arg(joined(odd), FermatForm);
    return head + why + u'.';
}

QString interiorAngleText(int n, const QLocale &locale)
{
    constexpr int HalfTurn = 180;
    constexpr int Hundredths = 100;
    const QString formula = u"(%1 − 2)·%2/%1 = "_s.arg(n).arg(HalfTurn);
    const int whole = (n - 2) * HalfTurn;
    const int common = std::gcd(whole, n);
    const int numerator = whole / common;
    const int denominator = n / common;
    if (denominator == 1)
        return formula + u"%1°"_s.arg(numerator);
    // Two decimals are exact where the denominator divides 100.
    const bool exact = Hundredths % denominator == 0;
    const double value = std::round(double(numerator) * Hundredths / denominator) / Hundredths;
    return formula
        + u"%1/%2° %3 %4°"_s.arg(QString::number(numerator), QString::number(denominator), exact ? u"="_s : u"≈"_s,
                                 numberToText(value, locale));
}

QList<QPointF> polygonCorners(QPointF centre, double radius, int n)
{
    QList<QPointF> corners;
    for (int k = 0; k < n; ++k) {
        const double turned = 2 * std::numbers::pi * k / n; // clockwise from 12
        corners << centre + QPointF(radius * std::sin(turned), -radius * std::cos(turned));
    }
    return corners;
}

} // namespace dial
