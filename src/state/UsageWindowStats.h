#pragma once

// Averages over the history records of a window of days; every value is 0 when no record falls in the window.
struct UsageWindowStats {
    int days = 0; // records counted
    double avgScreenMinutes = 0.0;
    double avgNightMinutes = 0.0;
    double avgLongestSessionMinutes = 0.0;
    double maxLongestSessionMinutes = 0.0;
    double minutesPerSession = 0.0; // screen minutes per session over the whole window
    double breakRatio = 0.0;        // breaks after 20 per session over 20
    int sessionsOver20 = 0;
};
