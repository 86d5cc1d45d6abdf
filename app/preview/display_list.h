#pragma once

#include <QString>
#include <QVector>

namespace vignetta::preview {

// One picture to draw, read from an element of the display-list text's "list" array. The
// members start at the values the paint uses for keys that the element does not have; a key
// that is present but malformed reads as 0 (or the empty string).
struct DisplayEntry
{
    double blockId = -1;
    QString imageName;
    double imageIndex = -1; // the picture number; only its sign matters for drawing
    int origin = 0;         // 0: position is the upper-left corner, otherwise the centre
    double startX = 0;
    double startY = 0;
    double endX = 0;
    double endY = 0;
    double width = 0; // the picture's own size in pixels
    double height = 0;
    double startWidth = 100; // scale in percent
    double startHeight = 100;
    double endWidth = 100;
    double endHeight = 100;
    double rotateSpeed = 0; // the picture turns by rotateSpeed / 2 degrees per frame
    int startOpacity = 255;
    int endOpacity = 255;
    int blend = 0; // 0 normal, 1 additive, 2 multiply, 3 screen
    int addR = 0;  // colour tone reached at ratio 1
    int addG = 0;
    int addB = 0;
    int gray = 0;
    qint64 elapse = 0; // frames since the block started
    int delay = 0;     // the block's duration in frames
};

// The parsed display-list text: the entries in drawing order (first at the bottom) and each
// entry's progress ratio at the same index.
struct DisplayList
{
    QVector<DisplayEntry> entries;
    QVector<double> tweens;
};

// Reads the display-list text {"list": [...], "tween": [...]} with the conversions of Qt's JSON
// values: numbers read as whole numbers give 0 when they have a fraction; a missing or
// non-array "list" or "tween" is empty; text that is not a JSON object gives an empty list.
// `time` is the current frame, from which each entry's "elapse" is taken. When the two arrays
// differ in length a debug line says so, and the lists are returned as they are.
DisplayList parseDisplayList(const QString &text, int time);

} // namespace vignetta::preview
