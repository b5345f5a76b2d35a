// The scenario driver's life cycle: the scripts read one after the other, each checked whole
// and then run in a fresh program, in a folder of its own.
#include "scenario.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>

#include "runner.h"

namespace sv::scenario {

namespace detail {

namespace fs = std::filesystem;

void Runner::setUp() {
    if (options_.keepDir) {
        folder_ = fs::absolute(*options_.keepDir);
        fs::create_directories(folder_);
    } else {
        std::random_device rd;
        for (int attempt = 0; attempt < 100; ++attempt) {
            folder_ = fs::temp_directory_path() / ("savanto-scenario-" + std::to_string(rd()));
            if (fs::create_directory(folder_)) break;
        }
        temporary_ = true;
    }
    std::error_code ec;
    if (!options_.assetDir.empty() && fs::is_directory(options_.assetDir, ec)) {
        for (const auto& entry : fs::directory_iterator(options_.assetDir)) {
            if (entry.is_regular_file()) {
                fs::copy_file(entry.path(), folder_ / entry.path().filename(), fs::copy_options::overwrite_existing, ec);
            }
        }
    }
    platform_ = std::make_unique<ui::HeadlessPlatform>();
    std::string folderText = folder_.string();
    if (folderText.empty() || folderText.back() != '/') folderText += '/';
    app_ = std::make_unique<ui::App>(*platform_, factory_(), folderText);
    platform_->attach(app_.get());
}

void Runner::tearDown() {
    app_.reset();
    platform_.reset();
    if (temporary_) {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
}

void Runner::fail(const std::string& expected, const std::string& got) {
    ++failed_;
    out_ << "FAIL " << script_ << ":" << line_ << ": " << expected << " / got " << got << "\n";
}

std::string Runner::inFolder(const std::string& name) const {
    const fs::path p(name);
    return p.is_absolute() ? p.string() : (folder_ / p).string();
}

std::string Runner::relative(const std::string& path) const {
    std::string prefix = folder_.string();
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    if (path.rfind(prefix, 0) == 0) return path.substr(prefix.size());
    std::error_code ec;
    const fs::path canon = fs::weakly_canonical(path, ec);
    const fs::path base = fs::weakly_canonical(folder_, ec);
    const std::string c = canon.string();
    std::string b = base.string();
    if (!b.empty() && b.back() != '/') b += '/';
    if (!ec && c.rfind(b, 0) == 0) return c.substr(b.size());
    return path;
}

bool Runner::run(const std::vector<std::string>& lines) {
    // The whole script is read first, so that a mistyped line stops it before it runs.
    std::vector<std::pair<int, std::vector<Word>>> commands;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        line_ = static_cast<int>(i) + 1;
        std::string l = lines[i];
        if (i == 0 && l.rfind("\xEF\xBB\xBF", 0) == 0) l.erase(0, 3);  // a UTF-8 byte-order mark
        const auto first = l.find_first_not_of(" \t");
        if (first == std::string::npos || l[first] == '#') continue;
        try {
            auto words = splitWords(l);
            checkSyntax(words);
            commands.emplace_back(line_, std::move(words));
        } catch (const std::exception& e) {
            out_ << "ERROR " << script_ << ":" << line_ << ": " << e.what() << "\n";
            return false;
        }
    }
    try {
        setUp();
    } catch (const std::exception& e) {
        out_ << "ERROR " << script_ << ":0: cannot prepare the program folder: " << e.what() << "\n";
        tearDown();
        return false;
    }
    bool ok = true;
    for (auto& [lineNo, words] : commands) {
        line_ = lineNo;
        try {
            execute(words);
            for (int refused : platform_->takeRefusedAnswers()) {
                fail("answer " + std::to_string(refused), "a message box without that button");
            }
        } catch (const std::exception& e) {
            out_ << "ERROR " << script_ << ":" << line_ << ": " << e.what() << "\n";
            ok = false;
            break;
        }
    }
    tearDown();
    return ok;
}

}  // namespace detail

namespace {

std::vector<std::string> readLines(std::istream& in) {
    std::vector<std::string> lines;
    std::string l;
    while (std::getline(in, l)) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lines.push_back(l);
    }
    return lines;
}

}  // namespace

int runScripts(const std::vector<std::string>& scripts, const Options& options, const ProgramFactory& factory,
               std::ostream& out, std::istream& in) {
    int passed = 0, failed = 0;
    bool scriptError = false;
    for (const std::string& name : scripts) {
        std::vector<std::string> lines;
        if (name == "-") {
            lines = readLines(in);
        } else {
            std::ifstream f(name, std::ios::binary);
            if (!f) {
                out << "ERROR " << name << ":0: cannot read the script\n";
                scriptError = true;
                continue;
            }
            lines = readLines(f);
        }
        detail::Runner runner(name, options, factory, out);
        if (!runner.run(lines)) scriptError = true;
        passed += runner.passed();
        failed += runner.failed();
    }
    out << passed << " passed, " << failed << " failed\n";
    out.flush();
    if (scriptError) return 2;
    return failed > 0 ? 1 : 0;
}

int main(int argc, const char* const* argv, const ProgramFactory& factory, const std::string& assetDir,
         std::ostream& out, std::istream& in) {
    Options options;
    options.assetDir = assetDir;
    std::vector<std::string> scripts;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--keep") {
            if (i + 1 >= argc) {
                out << "usage: savanto-scenario [--keep DIR] SCRIPT...\n";
                return 2;
            }
            options.keepDir = argv[++i];
        } else {
            scripts.push_back(a);
        }
    }
    if (scripts.empty()) {
        out << "usage: savanto-scenario [--keep DIR] SCRIPT...\n";
        return 2;
    }
    return runScripts(scripts, options, factory, out, in);
}

}  // namespace sv::scenario
