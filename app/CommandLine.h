#pragma once

// The command line: --help and --version are answered before any window, and
// whatever Qt has not taken as one of its own options is refused.
namespace CommandLine {

// The exit status when argv asks for help or the version (printed), else -1.
int AnswerInfoOptions(int argc, char** argv);

// After Qt has removed its own options from argv: 2, with a one-line error,
// when anything is left, else -1.
int RejectLeftovers(int argc, char** argv);

} // namespace CommandLine
