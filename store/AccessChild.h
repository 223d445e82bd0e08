#pragma once
// Runs work that may crash, hang or eat memory (libmdb on an untrusted file) in a forked
// child process under resource limits, so that nothing it does can reach the caller.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

struct ChildLimits {
    // The parent kills the child when it has not finished by then.
    std::chrono::milliseconds wallTime{2000};
    // Processor seconds before the kernel stops the child.
    unsigned cpuSeconds = 2;
    // Address space the child may add to what it inherits; 0 leaves it unlimited.
    std::uint64_t extraAddressSpace = 0;
    // Largest size any file written by the child may reach.
    std::uint64_t maxFileSize = 0;
};

struct ChildOutcome {
    bool ok = false;
    std::string error;  // why it failed, when it did
};

// Runs `work` in a forked child under `limits`. The work reports failure by throwing or by
// returning a non-empty text; a child that dies, exceeds a limit or outlives the wall time
// fails too. Returns once the child is gone; never throws for anything the child does.
// The child leaves by _exit, so no destructor or exit handler of the caller runs twice.
ChildOutcome RunInChild(const std::function<std::string()>& work, const ChildLimits& limits);
