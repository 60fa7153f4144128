// A child's history worked out from attempts: the last days with work, each
// kind of exercise this week and before, and the mistakes that keep coming back
// over the whole history, with the last day each showed and whether it is
// fading. Plain data; the formatter writes it, the history window shows it.
#pragma once

#include "diagnosis/diagnosis.h"
#include "record/attempt.h"

#include <QDate>
#include <array>
#include <vector>

struct History {
    // How many days with work the chart shows.
    static constexpr int ChartDays = 30;

    struct Day {
        QDate date;
        int right = 0, wrong = 0;
    };
    std::vector<Day> days; // the last ChartDays days with work, oldest first

    struct Share {
        int count = 0, right = 0;
        int percentRight() const { return count ? right * 100 / count : 0; }
    };
    struct Kind {
        Share thisWeek, before;
    };
    std::array<Kind, ExerciseKinds> kinds{}; // in the order of ExerciseKind

    struct Mistake {
        Diagnosis::Pattern pattern{};
        int count = 0;   // exercises it showed in
        int chances = 0; // exercises where it could show
        QString example;
        QDate last;          // the last day it showed
        bool fading = false; // over the exercises where it can show, the later half shows it at most half as often
    };
    std::vector<Mistake> mistakes; // as the diagnosis names them over the whole history
    int slips = 0;
    int exercises = 0; // attempts, each check counted

    // Worked out from a child's attempts (in any order); the week is the one,
    // Monday first, that holds `today`. Days are the computer's local days.
    static History Of(std::vector<Attempt> attempts, const QDate &today);
};
