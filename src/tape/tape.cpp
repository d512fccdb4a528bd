#include "tape/tape.h"

namespace orbetta::tape {

Tape::Tape(std::filesystem::path file, bool keep, std::function<bool()> stillKept)
    : file_(std::move(file), std::move(stillKept)), keep_(keep) {}

void Tape::trimMemory() {
    while (lines_.size() > kKeptLines)
        lines_.pop_front();
}

void Tape::add(std::string_view line) {
    lines_.emplace_back(line);
    trimMemory();
    if (keep())
        file_.append(line);
}

void Tape::load() {
    if (loaded_)
        return;
    loaded_ = true;
    if (!keep())
        return;
    file_.flush(); // the lines handed over are in the file, or known not to be
    Contents contents = read(file_.path());
    readProblem_ = std::move(contents.problem);
    // This run's lines that reached the file are among its lines; the others follow them.
    const std::size_t unwritten = std::min(file_.unwritten(), lines_.size());
    std::deque<std::string> lines(std::make_move_iterator(contents.lines.begin()),
                                  std::make_move_iterator(contents.lines.end()));
    lines.insert(lines.end(), std::make_move_iterator(lines_.end() - static_cast<std::ptrdiff_t>(unwritten)),
                 std::make_move_iterator(lines_.end()));
    lines_ = std::move(lines);
    trimMemory();
}

std::string Tape::problem() const {
    if (!keep())
        return removeProblem_;
    std::string told = file_.notice();
    const std::string written = file_.problem();
    const std::string& problem = written.empty() ? readProblem_ : written;
    if (!told.empty() && !problem.empty())
        told += ' ';
    return told + problem;
}

void Tape::setKeep(bool keep) {
    if (keep == this->keep())
        return;
    keep_ = keep;
    readProblem_.clear();
    removeProblem_.clear();
    if (!keep) {
        removeProblem_ = file_.remove();
        return;
    }
    file_.resume();
    file_.rewrite(std::vector<std::string>(lines_.begin(), lines_.end()), true);
}

void Tape::clear() {
    if (lines_.empty())
        return;
    cleared_.assign(std::make_move_iterator(lines_.begin()), std::make_move_iterator(lines_.end()));
    lines_.clear();
    if (keep())
        file_.rewrite({}, false);
}

void Tape::undoClear() {
    if (cleared_.empty())
        return;
    if (keep())
        file_.rewrite(cleared_, true);
    lines_.insert(lines_.begin(), std::make_move_iterator(cleared_.begin()),
                  std::make_move_iterator(cleared_.end()));
    cleared_.clear();
    trimMemory();
}

} // namespace orbetta::tape
