#pragma once

struct CommandLine;

// `velmora --report FOLDER`: the class report on standard output, each file left out in a line
// on standard error, and the spreadsheet and Moodle files the command line names; the status to
// end with.
int reportOnClass(const CommandLine& commandLine);
