#pragma once

namespace tabloom {

// A local date and time as shown to the user.
struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Source of the local time; injected so that output carrying a time stamp
// can be reproduced exactly.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
};

// The machine's local clock.
class SystemClock : public Clock {
  public:
    LocalDateTime Now() const override;
};

// A clock that always shows the same moment.
class FixedClock : public Clock {
  public:
    explicit FixedClock(LocalDateTime when) : when_(when) {}
    LocalDateTime Now() const override { return when_; }

  private:
    LocalDateTime when_;
};

}  // namespace tabloom
