#pragma once

#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <optional>

// The twelve hour points built with straightedge and compass, step by step,
// in dial units: each point found is a true intersection of the circles and
// lines that earlier steps drew, never read from the dial.
namespace dial {

struct Circle
{
    QPointF centre;
    double radius = 0;
};

// The line through two points.
struct Line
{
    QPointF a;
    QPointF b;
};

// The two points where two circles cross, the first to the left of the way
// from the first circle's centre to the second's as seen on the dial (y
// downward); where a line meets a circle, the first nearer the line's a.
// Nothing where they do not meet.
std::optional<std::array<QPointF, 2>> intersections(const Circle &first, const Circle &second);
std::optional<std::array<QPointF, 2>> intersections(const Line &line, const Circle &circle);

// What one step draws: compass arcs (a part of a circle, from `from`
// degrees counterclockwise from 3 o'clock, sweeping `sweep`), straightedge
// segments, the points it finds with their hours, and angle labels.
struct ConstructionStep
{
    struct Arc
    {
        Circle circle;
        double from = 0;
        double sweep = 0;
    };
    struct Segment
    {
        QPointF from;
        QPointF to;
    };
    struct Found
    {
        QPointF at;
        int hour = 0;
    };
    // A regular polygon through every `stride`-th hour point, from 12.
    struct Polygon
    {
        int corners = 0;
        int stride = 0;
        double interiorAngle = 0;
    };

    QString caption; // what is done, in Bulgarian, without the step's number
    QList<Arc> arcs;
    QList<Segment> segments;
    QList<Found> found;
    QList<Polygon> polygons;
};

// The construction's seven steps, from the dial's centre and the point of
// 12, `radius` above it.
QList<ConstructionStep> construction(QPointF centre, double radius);

// "Стъпка 4 от 7: …", for step `index` (from 0) of `count`.
QString stepCaption(const ConstructionStep &step, int index, int count);

} // namespace dial
