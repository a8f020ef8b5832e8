#pragma once
// A file-size limit (RLIMIT_FSIZE) must make a write fail, not end the process with SIGXFSZ: a
// received file that would pass it is then refused and its temporary file removed.
void IgnoreFileSizeSignal();
