#pragma once
// What a fit of measured against theory gives (ReadingsFit.h computes it): plain data, so that the plot's
// series (KeptSeries.h) can carry each run's fit without knowing the table.

#include <QString>

struct TFitResult {
    bool Ok = false;
    QString Message; // why there is no result (Ok false), in English as files and the report have it
    const char* MessageSource = nullptr; // Message before its number went in (context "ReadingsFit"), for
    QString MessageArgument;             // the screen to say it in the language in use (RunFitTextShown)
    int N = 0;                           // usable points
    double K = 0.0;                      // slope of measured against theory
    double ModulusGPa = 0.0;             // the material's E
    double ModulusExpGPa = 0.0;          // E / k
    double DifferencePercent = 0.0;
    bool HasFlexuralStiffness = false; // for a series of hanger loads
    double FlexuralStiffnessNm2 = 0.0; // E_exp I
    double KError = 0.0;               // standard error of k (0 with two points on the line, or n = 2)
    double RSquared = 0.0;
    double ModulusExpErrorGPa = 0.0; // E s(k) / k^2
};
