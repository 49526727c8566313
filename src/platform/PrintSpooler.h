#pragma once
#include <QString>

// What the print spooler (CUPS) says about this user's jobs, for checking that a job sent to a
// printer really arrived there.
namespace PrintSpooler {

// The newest of this user's jobs on the printer ("name" or "name/instance"): 0 when there is
// none, -1 when the spooler cannot be asked.
int lastJob(const QString &printer);

// Why the spooler refused this thread's last request, in Italian; "" when it was accepted.
// Read it right after the request (before any other spooler call).
QString lastRequestProblem();

// Why the job will not print, in Italian; "" while it waits, prints or has printed.
QString jobProblem(const QString &printer, int job);

} // namespace PrintSpooler
