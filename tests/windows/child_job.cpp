// Every program the tests start belongs to one job that ends with the test
// program, so a failed test leaves no helper or notepad running (and none
// holding the test's output open).
#include <windows.h>

namespace {

class ChildJob {
public:
  ChildJob() : job_(CreateJobObjectA(nullptr, nullptr)) {
    if (!job_) return;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    AssignProcessToJobObject(job_, GetCurrentProcess());
  }
  // The handle is closed by the system when the process ends.

private:
  HANDLE job_;
};

ChildJob g_childJob;

} // namespace
