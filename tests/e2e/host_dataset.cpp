#include "host_dataset.hpp"

#include "platform/text/codepage.hpp"

#include <filesystem>

namespace kartino::testkit {
namespace {

namespace fs = std::filesystem;

std::string samplefile(const std::string &relative) {
    return readFile(KARTINO_SAMPLE_DIR "/" + relative);
}

std::string crlf(const std::vector<std::string> &lines) {
    std::string out;
    for (const std::string &l : lines)
        out += l + "\r\n";
    return out;
}

std::string quoted(const std::string &t) {
    return "\"" + t + "\"";
}

} // namespace

HostDataSet::HostDataSet() {
    fs::copy(KARTINO_SAMPLE_DIR, root.path(), fs::copy_options::recursive);
    fs::remove(fs::path(root.path()) / "README.md");
    cmd.exercise = "EUROP";
    cmd.tasks = 10;
    cmd.hostfolder = "K:\\";
    settings.seed = 7;
    texts = {"Europa",
             "Hauptst\xE4"
             "dte Europas",
             "\"Klicken Sie auf die Stadt, deren Name oben steht.\"",
             "Hauptstadt",
             "Land",
             "Fluss",
             "Jede richtige Antwort bringt bis zu / Punkte.",
             "Wo liegt diese Stadt?",
             "Die Stadt liegt hier.",
             "Sehr gut!",
             "Das war knapp daneben.",
             "Leider weit daneben.",
             "Punkte",
             "Aufgaben",
             "Kilometer",
             "Vorf\xFChrung / \xDC"
             "bung"};
}

std::string HostDataSet::exercisefile() const {
    std::vector<std::string> lines = {"Erzeugt vom Test", "**"};
    lines.insert(lines.end(), texts.begin(), texts.end());
    lines.push_back("**");
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const ExerciseBlock &b = blocks[i];
        if (i > 0) lines.push_back("***");
        lines.push_back("Block " + std::to_string(i + 1));
        lines.push_back("*");
        lines.push_back(quoted(b.flags) + "," + quoted(b.demoflags) + "," + quoted(b.flags3) + "," +
                        quoted(b.helpoptions));
        lines.push_back(b.numbers);
        lines.push_back(quoted(b.mapfile) + "," + quoted(b.listname) + "," + quoted(b.listfile));
        lines.push_back(b.range);
    }
    return text::ansiToOem(crlf(lines));
}

void HostDataSet::write() const {
    root.write("UEB/DEUTSCH/" + cmd.exercise, exercisefile());
    root.write("CVOR", host::cvorText(settings, host::defaultFolders('K', "DEUTSCH")));
}

void HostDataSet::writemap(const std::string &name, const std::string &header) const {
    std::string map = samplefile("KARTEN/EUROPA.VEC");
    if (!header.empty()) map = header + "\r\n" + map.substr(map.find("\r\n") + 2);
    root.write("KARTEN/" + name, map);
    // Its places' texts in a list file of the same name beside the exercise.
    const std::string stem = name.substr(0, name.rfind('.'));
    root.write("UEB/DEUTSCH/" + stem + ".LST", samplefile("UEB/DEUTSCH/EUROPA.LST"));
}

std::string HostDataSet::commandline() const {
    return host::buildCommandLine(cmd);
}

std::string HostDataSet::resultfile(const std::string &name) const {
    return readFile(root.file("ERGEBNIS/" + name));
}

std::string HostDataSet::drivefolder(char letter) const {
    return (letter | 0x20) == 'k' ? root.path() : "/nonexistent";
}

} // namespace kartino::testkit
