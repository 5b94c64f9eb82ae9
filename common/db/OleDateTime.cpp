#include "OleDateTime.h"

#include <cmath>

namespace {

// Days from 1/1/1 (proleptic Gregorian) to the given date, by the civil-from-days algorithm's inverse.
long DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;  // days since 1/1/1970
}

void CivilFromDays(long z, int& y, int& m, int& d)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

const long kOleEpoch = DaysFromCivil(1899, 12, 30);

// The automation format counts the time part away from day 0 in both directions; take whole days and
// the fraction of the day as a positive part.
void Split(double dt, long& days, double& dayFraction)
{
    double whole = std::floor(dt);
    if (dt < 0) {
        whole = std::ceil(dt);
        dayFraction = whole - dt;
    } else {
        dayFraction = dt - whole;
    }
    days = static_cast<long>(whole);
}

int SecondsOfDay(double dt)
{
    long days;
    double frac;
    Split(dt, days, frac);
    return static_cast<int>(std::lround(frac * 86400.0)) % 86400;
}

}  // namespace

bool COleDateTime::IsRealDate(int year, int month, int day)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int last = kDays[month - 1];
    if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0))
        last = 29;
    return day <= last;
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SetDateTime(year, month, day, hour, minute, second);
}

int COleDateTime::SetDate(int year, int month, int day)
{
    return SetDateTime(year, month, day, 0, 0, 0);
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    if (!IsRealDate(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 ||
        second > 59) {
        m_status = invalid;
        return 1;
    }
    const long days = DaysFromCivil(year, month, day) - kOleEpoch;
    const double frac = (hour * 3600 + minute * 60 + second) / 86400.0;
    m_dt = days >= 0 ? static_cast<double>(days) + frac : static_cast<double>(days) - frac;
    m_status = valid;
    return 0;
}

int COleDateTime::GetYear() const
{
    long days;
    double frac;
    Split(m_dt, days, frac);
    int y, m, d;
    CivilFromDays(days + kOleEpoch, y, m, d);
    return y;
}

int COleDateTime::GetMonth() const
{
    long days;
    double frac;
    Split(m_dt, days, frac);
    int y, m, d;
    CivilFromDays(days + kOleEpoch, y, m, d);
    return m;
}

int COleDateTime::GetDay() const
{
    long days;
    double frac;
    Split(m_dt, days, frac);
    int y, m, d;
    CivilFromDays(days + kOleEpoch, y, m, d);
    return d;
}

int COleDateTime::GetHour() const { return SecondsOfDay(m_dt) / 3600; }
int COleDateTime::GetMinute() const { return SecondsOfDay(m_dt) / 60 % 60; }
int COleDateTime::GetSecond() const { return SecondsOfDay(m_dt) % 60; }
