#pragma once

// The teacher's record: how long an attempt takes from its last answer to its file renamed
// (median and worst of 50), and how long `velmora --report` takes over 10,000 attempt files of
// 100 pupils.
int measureRecordWrite();
int measureClassReport(const char* velmora);
