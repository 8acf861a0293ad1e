#pragma once
// A recorded reading as JSON, as the experiment file and the crash journal store it, and back. Every
// number is written in the shortest form that reads back to the same double, so a saved reading is
// restored bit for bit. docs/EXPERIMENT_FILE.md lists the members.

#include <QJsonObject>
#include <QString>

#include "record/Readings.h"

[[nodiscard]] QJsonObject ReadingToJson(const TReading& reading);
// Problem names the first member that is missing or wrong ("readings[3].gauges[1].count must be ...").
struct TReadingRead {
    TReading Reading;
    QString Problem;
};
[[nodiscard]] TReadingRead ReadingFromJson(const QJsonObject& json, const QString& where);

// A zero as the set-up stores it: the value in mm, or null while unset.
[[nodiscard]] QJsonValue ZeroToJson(const TGaugeZero& zero);
