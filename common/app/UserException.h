#pragma once
// The framework's user exception: thrown once the user has already been told what went wrong (a report
// job's failure, a data exchange that failed), so the catcher only abandons what it was doing. One
// definition for every layer that throws or catches it.

#include <exception>

class CUserException : public std::exception {
public:
    const char* what() const noexcept override { return "CUserException"; }
};
