#pragma once

#include <QList>
#include <QTypeInfo>
#include <QLocale>
#include <QPointF>
#include <QString>

#include <array>

// The regular N-gon: where its corners lie, its interior angle as the
// exercise writes it, and whether straightedge and compass alone can build
// it, with the reason in words.
namespace dial {

// The primes of the form 2^(2^k) + 1 that are known, k = 0 to 4.
inline constexpr std::array<int, 5> FermatPrimes = {3, 5, 17, 257, 65537};

struct PrimePower
{
    int prime = 0;
    int power = 0;
};

// The prime factors of `n` (n >= 2), smallest first, each with its power.
QList<PrimePower> primeFactors(int n);

// Gauss and Wantzel: a regular n-gon can be built with straightedge and
// compass alone exactly when n is a power of 2 times distinct Fermat primes.
bool isConstructible(int n);

// Why the regular n-gon can or cannot be built, from n's factors: "Правилният
// 9-ъгълник не може да се построи само с линийка и пергел: 9 = 3·3, а
// простото число 3 се среща два пъти."
QString constructibilityText(int n);

// "(7 − 2)·180/7 = 900/7° ≈ 128,57°": n put in, the value a whole number,
// or else a fraction in lowest terms and its decimal with the locale's
// separator ("=" where two decimals are exact, "≈" where they are rounded).
QString interiorAngleText(int n, const QLocale &locale = QLocale());

// The corners of the regular n-gon inscribed in the circle about `centre`,
// the first straight above it (at 12), then clockwise, in dial units (y
// downward).
QList<QPointF> polygonCorners(QPointF centre, double radius, int n);

} // namespace dial

Q_DECLARE_TYPEINFO(dial::PrimePower, Q_PRIMITIVE_TYPE);
