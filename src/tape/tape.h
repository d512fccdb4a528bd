#pragma once
// The tape: the lines of past calculations, in memory and, while they are kept between runs, in the file.

#include "tape/tape_file.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orbetta::tape {

class Tape {
public:
    // The file is neither read nor created here: the file is created by the first line, and read when the
    // lines are first asked for.
    // stillKept tells whether the user still keeps the tape between runs (another program may have turned it
    // off); it is asked before the file is made anew.
    Tape(std::filesystem::path file, bool keep, std::function<bool()> stillKept = {});

    // Keeping between runs: turned off, the file is removed and the lines live on in memory; turned on, the
    // lines in memory are written to the file, before whatever it holds. Another program that turned it off
    // turns it off here too.
    bool keep() const { return keep_ && !file_.keptOff(); }
    void setKeep(bool keep);

    void add(std::string_view line);

    // The first call reads the file: its lines, followed by those of this run it does not hold yet.
    void load();
    bool loaded() const { return loaded_; }
    // The newest kKeptLines lines, oldest first.
    const std::deque<std::string>& lines() const { return lines_; }
    // What was wrong when the file was read or last written, in one line; empty when nothing was.
    std::string problem() const;

    // Clear empties the tape (and its file); until the next clear, undo brings the lines back.
    void clear();
    bool canUndoClear() const { return !cleared_.empty(); }
    void undoClear();

private:
    void trimMemory();

    TapeFile file_;
    bool keep_;
    bool loaded_ = false;
    std::deque<std::string> lines_;
    std::vector<std::string> cleared_;
    std::string readProblem_;
    std::string removeProblem_; // the file that keeping off should have removed is still there
};

} // namespace orbetta::tape
