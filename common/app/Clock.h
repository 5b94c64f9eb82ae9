#pragma once
// Local time for log lines and dates; a fixed clock makes them testable.

struct LocalTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual LocalTime Now() const = 0;
};

class SystemClock : public IClock {
public:
    LocalTime Now() const override;
};

class FixedClock : public IClock {
public:
    explicit FixedClock(LocalTime t) : m_time(t) {}
    LocalTime Now() const override { return m_time; }
    void Set(LocalTime t) { m_time = t; }

private:
    LocalTime m_time;
};
