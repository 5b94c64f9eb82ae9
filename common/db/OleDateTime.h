#pragma once
// A date as the automation day number (day 0 = 30/12/1899), which is what the files store.

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    explicit COleDateTime(double oleDate) : m_dt(oleDate), m_status(valid) {}
    COleDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    // Sets the date; an impossible one (31/02) leaves the value and marks the date invalid. Returns 0 on
    // success, as the platform did.
    int SetDate(int year, int month, int day);
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;

    double m_dt = 0.0;
    DateTimeStatus m_status = valid;

    static bool IsRealDate(int year, int month, int day);
};
