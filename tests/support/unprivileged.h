#pragma once

#include <functional>

// Runs `body` without the rights that ignore file permissions: as the unprivileged user
// 65534 in a child process when the tests run as root, directly otherwise. Returns the
// body's result. The body must not show or paint a window (a forked GUI process hangs).
bool withoutPrivileges(const std::function<bool()> &body);
