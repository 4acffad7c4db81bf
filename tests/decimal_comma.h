#pragma once
// The process's C library under a locale of the test's choosing: de_DE.UTF-8
// writes 0.5 as "0,5". The test set-up makes it with localedef into
// LOOPBEAM_LOCALES in the build tree (no root needed), found through LOCPATH.

#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>

#include <string>

namespace loopbeam::testing {

inline constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";
inline constexpr const char* kPlainLocale = "C.UTF-8";

// The locale set for its life, the previous one back after.
class ProcessLocale {
public:
    explicit ProcessLocale(const char* name) : previous_(setlocale(LC_ALL, nullptr)) {
        setenv("LOCPATH", LOOPBEAM_LOCALES, 1);
        set_ = setlocale(LC_ALL, name) != nullptr;
        EXPECT_TRUE(set_) << name << " is not in " << LOOPBEAM_LOCALES << ": run the test set-up (ctest) first";
    }
    ~ProcessLocale() { setlocale(LC_ALL, previous_.c_str()); }
    ProcessLocale(const ProcessLocale&) = delete;
    ProcessLocale& operator=(const ProcessLocale&) = delete;

    bool set() const { return set_; }
    std::string decimalPoint() const { return localeconv()->decimal_point; }

private:
    std::string previous_;
    bool set_ = false;
};

}  // namespace loopbeam::testing
