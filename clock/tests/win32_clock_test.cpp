// The Win32 backend against the machine it runs on. Its writes run only under wine, whose
// SetSystemTime never moves the host's clock: it refuses every change of more than half a
// second. On Windows itself, with the privilege, a valid write would move the machine's clock, so
// those tests skip there; what they show is only what wine can show.
#include "clock/clock.h"
#include "clock/win32_clock.h"
#include "clock/win32_system_time.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

using namespace std::chrono;
using testing::Record;
using testing::ScopedTimeZone;
using testing::Utc;

bool RunsUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The clock of the machine beneath, read without the Win32 time functions: the time its file
// system stamps on a file created now. The stamp comes from a coarse clock, a tick or so behind.
UtcTime FileSystemNow() {
    wchar_t dir[MAX_PATH];
    wchar_t path[MAX_PATH];
    if (GetTempPathW(MAX_PATH, dir) == 0 || GetTempFileNameW(dir, L"orv", 0, path) == 0)
        throw std::runtime_error("no temporary file");
    const HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    FILETIME written{};
    const bool read = file != INVALID_HANDLE_VALUE && GetFileTime(file, nullptr, nullptr, &written);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (!read)
        throw std::runtime_error("no file time");
    ::SYSTEMTIME utc{};
    FileTimeToSystemTime(&written, &utc);
    return *UtcTimeOf(FromWin32(utc));
}

// How far the file system's stamp may lag the clock.
constexpr milliseconds kStampSlack{50};

// Reads the clock between two stamps and checks it lies between them.
template <typename Read>
void ExpectBetweenFileSystemStamps(Read read, milliseconds ahead = {}) {
    const UtcTime before = FileSystemNow();
    const UtcTime t = read();
    const UtcTime after = FileSystemNow();
    EXPECT_LE(before + ahead - kStampSlack, t) << "before " << testing::Text(RecordOf(before));
    EXPECT_LE(t, after + ahead + kStampSlack) << "after " << testing::Text(RecordOf(after));
}

TEST(Win32Clock, ReadsTheMachinesUtcClock) {
    Win32Clock backend;
    Clock clock(backend);
    ExpectBetweenFileSystemStamps([&] { return *UtcTimeOf(clock.ReadUtcClock()); });
}

// Whatever zone the process runs in: the offset the backend works out for now is the one that
// GetLocalTime applies.
TEST(Win32Clock, LocalNowIsWhatGetLocalTimeReads) {
    Win32Clock backend;
    Clock clock(backend);
    const auto localClock = [] {
        ::SYSTEMTIME local;
        GetLocalTime(&local);
        return EncodeDateTime(FromWin32(local));
    };
    const TDateTime before = localClock();
    const TDateTime now = clock.LocalNow();
    const TDateTime after = localClock();
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
}

TEST(Win32Clock, LocalNowIsTheMachinesClockInTheZone) {
    const ScopedTimeZone zone("<+0530>-5:30");
    if (!zone.inForce())
        GTEST_SKIP() << zone.whyNot();
    Win32Clock backend;
    Clock clock(backend);
    ExpectBetweenFileSystemStamps([&] { return *UtcTimeOf(SplitDateTime(clock.LocalNow())); },
                                  5h + 30min);
}

struct ZoneCase {
    const char* name;
    friend void PrintTo(const ZoneCase& c, std::ostream* os) { *os << c.name; }
    const char* tz;
    const char* utc;
    seconds offset;
};

class Win32ClockZoneTest : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(Win32ClockZoneTest, TakesTheOffsetFromTheSystemsZoneRulesForThatDate) {
    const ScopedTimeZone zone(GetParam().tz);
    if (!zone.inForce())
        GTEST_SKIP() << zone.whyNot();
    EXPECT_EQ(Win32Clock{}.utcOffset(Utc(GetParam().utc)), GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, Win32ClockZoneTest,
    ::testing::Values(
        ZoneCase{"Utc", "UTC0", "2026-07-01 12:00:00.000", 0s},
        ZoneCase{"HalfHourZone", "<+0530>-5:30", "2026-07-01 12:00:00.000", 5h + 30min},
        ZoneCase{"BerlinWinter", "Europe/Berlin", "2026-01-15 12:00:00.000", 1h},
        ZoneCase{"BerlinSummer", "Europe/Berlin", "2026-07-15 12:00:00.000", 2h},
        ZoneCase{"BerlinLastWinterMillisecond", "Europe/Berlin", "2026-03-29 00:59:59.999", 1h},
        ZoneCase{"BerlinFirstSummerSecond", "Europe/Berlin", "2026-03-29 01:00:00.000", 2h},
        ZoneCase{"BerlinLastSummerMillisecond", "Europe/Berlin", "2026-10-25 00:59:59.999", 2h},
        ZoneCase{"BerlinBackToWinter", "Europe/Berlin", "2026-10-25 01:00:00.000", 1h},
        ZoneCase{"NewYorkSummerOfAnotherYear", "America/New_York", "2031-07-15 12:00:00.000", -4h},
        ZoneCase{"NewYorkWinter", "America/New_York", "2026-12-25 12:00:00.000", -5h},
        ZoneCase{"SydneySummerInJanuary", "Australia/Sydney", "2026-01-15 12:00:00.000", 11h},
        ZoneCase{"SydneyWinterInJuly", "Australia/Sydney", "2026-07-15 12:00:00.000", 10h}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Win32Clock, HoldsTheYearsWindowsTakes) {
    EXPECT_EQ(Win32Clock::kRange.earliest, Utc("1601-01-01 00:00:00.000"));
    EXPECT_EQ(Win32Clock::kRange.latest, Utc("30827-12-31 23:59:59.999"));
    // Both ends are instants the system's own calendar can name; the millisecond before the
    // first is not.
    FILETIME ticks;
    for (const UtcTime end : {Win32Clock::kRange.earliest, Win32Clock::kRange.latest}) {
        const ::SYSTEMTIME record = ToWin32(RecordOf(end));
        EXPECT_TRUE(SystemTimeToFileTime(&record, &ticks)) << testing::Text(RecordOf(end));
    }
    const ::SYSTEMTIME before = ToWin32(Record("1600-12-31 23:59:59.999"));
    EXPECT_FALSE(SystemTimeToFileTime(&before, &ticks));
}

struct WriteCase {
    const char* name;
    friend void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }
    SYSTEMTIME record;
};

class WineWriteTest : public ::testing::TestWithParam<WriteCase> {
protected:
    void SetUp() override {
        if (!RunsUnderWine())
            GTEST_SKIP() << "on Windows itself a valid record would move this machine's clock";
    }
    Win32Clock backend;
    Clock clock{backend};
};

TEST_P(WineWriteTest, LeavesTheClockUntouched) {
    ExpectBetweenFileSystemStamps([&] {
        clock.WriteUtcClock(GetParam().record);
        return *UtcTimeOf(clock.ReadUtcClock());
    });
}

SYSTEMTIME WithHour(const char* text, std::uint16_t hour) {
    SYSTEMTIME r = Record(text);
    r.wHour = hour;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Records, WineWriteTest,
    ::testing::Values(WriteCase{"Day32", Record("2026-01-32 10:00:00.000")},
                      WriteCase{"Month13", Record("2026-13-01 10:00:00.000")},
                      WriteCase{"Month0", Record("2026-00-01 10:00:00.000")},
                      WriteCase{"HourWrappedBelowZero", WithHour("2026-06-01 10:00:00.000", 65534)},
                      WriteCase{"February29OfACommonYear", Record("2011-02-29 10:00:00.000")},
                      WriteCase{"YearBeforeWindows", Record("1600-12-31 23:59:59.999")},
                      // Real dates, refused only because wine refuses every real change.
                      WriteCase{"ValidFarFromNow", Record("2001-01-01 08:00:00.000")},
                      WriteCase{"FirstInstantWindowsTakes", Record("1601-01-01 00:00:00.000")},
                      WriteCase{"LastInstantWindowsTakes", Record("30827-12-31 23:59:59.999")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WineWriteTest, TheSystemRefusesAValidInstantFarFromNowForWantOfThePrivilege) {
    SetLastError(0);
    EXPECT_FALSE(backend.set(Utc("2001-01-01 08:00:00.000")));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PRIVILEGE_NOT_HELD));
}

} // namespace
} // namespace orvelle
