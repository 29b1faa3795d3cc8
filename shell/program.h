#pragma once

#include "model/texts.h"
#include "windows.h"

#include <memory>

namespace kerbu {

class DesktopServices;
class Services;
struct Lesson;

// The running program: the state every window shares, the lesson and its windows, and
// the desktop's services. main makes one; a test makes a fresh one for each case.
class Program : public ProgramState {
  public:
    // services: another set in place of the desktop's (not owned), for tests.
    explicit Program(Services* services = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const Lesson& lesson() const { return lesson_; }
    Windows& windows() { return windows_; }
    Services& services() const { return services_; }

  private:
    const Lesson& lesson_;
    std::unique_ptr<DesktopServices> desktop_;
    Services& services_;
    Windows windows_;
};

} // namespace kerbu
