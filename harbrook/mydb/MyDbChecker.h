#pragma once
// The structural check run before the rows go to the unit: known commands, a NO on every row, at
// most 100 playlists, and every track inside a playlist that announces enough tracks.
#include <mydb/MyDbRow.h>

#include <vector>

struct MyDbCheckResult {
    int code = 0;  // 0 when the rows pass; otherwise the store's result code
    int row = 0;   // 1-based row the failure was found on (0 when the code names no row)
};

class MyDbChecker {
public:
    static MyDbCheckResult Check(const std::vector<MyDbRow>& rows);
};
