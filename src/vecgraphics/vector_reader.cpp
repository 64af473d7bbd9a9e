#include "vecgraphics/vector_reader.hpp"

#include "common/errors.hpp"
#include "common/suite_library.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/integer.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/text/codepage.hpp"

#include <cmath>

namespace kartino::vecgraphics {

namespace {

using basic::Integer;

constexpr int vectorfile = 1;

bool isterminator(const std::string &line) {
    return !line.empty() && line.front() == '*';
}

// The record count that begins the header line: the text before the first blank (the whole
// line when it has none), as a number rounded to Integer.
Integer leadnumber(const std::string &line) {
    return basic::CInt(basic::Val(std::string_view(line).substr(0, line.find(' '))));
}

// Reads past the next terminator line; the end of the file here is an error.
void skiprecord(basic::FileTable &files, Integer &position) {
    while (!isterminator(files.lineInput(vectorfile))) {
    }
    ++position;
}

class VectorReader {
  public:
    VectorReader(common::Services &services, VectorTables &vectors)
        : sv_(services), files_(services.files), vt_(vectors) {}

    std::int16_t read(const ThinningSettings &settings, Integer first, Integer last) {
        std::string line1 = files_.lineInput(vectorfile);
        if (last == Integer(-1)) last = leadnumber(line1) - Integer(1);
        vt_.headerline = text::oemToAnsi(readheadertext(files_, vectorfile, line1), sv_.oempage);

        Integer span = last - first;
        Integer upper = span;
        float stride = 0;
        if (settings.shuffleflag != 0 && Integer(settings.taskcount) < span) {
            // Start at a random point within the first fifth of the surplus, then step evenly.
            double surplus = static_cast<double>((span - Integer(settings.taskcount)).value());
            first = basic::CInt(first.value() + surplus * 0.2 * sv_.rnd.Rnd());
            if (settings.taskcount == 0) basic::raise(basic::errDivisionByZero);
            stride = static_cast<float>((last - first).value()) / static_cast<float>(settings.taskcount);
            upper = Integer(settings.taskcount) - Integer(1);
        }

        while (position_ < first)
            skiprecord(files_, position_);

        float target = 0;
        vt_.recordlist.clear();
        for (int i = 0; i <= upper.value(); ++i) {
            if (i >= kRecordSlots) basic::raise(basic::errSubscript);
            vt_.recordtext[static_cast<std::size_t>(i)].clear();
            target += stride;
            // One draw per record, whether or not the selection is thinned.
            float r = sv_.rnd.Rnd();
            if (std::floor(target) > i && static_cast<double>(r) < 0.4) {
                Integer jump = basic::CInt(std::floor(target)) - Integer(static_cast<std::int16_t>(i));
                for (Integer k = 0; k < jump; ++k)
                    skiprecord(files_, position_);
                target -= static_cast<float>(jump.value());
            }
            readrecord(static_cast<std::size_t>(i));
        }
        return upper.value();
    }

  private:
    // Collects command lines up to the terminator line. The end of the file ends the record
    // without a name and without a position.
    void readrecord(std::size_t i) {
        std::string &text = vt_.recordtext[i];
        while (!files_.eof(vectorfile)) {
            std::string line = files_.lineInput(vectorfile);
            if (isterminator(line)) {
                if (vt_.keepnames != 0) {
                    line.erase(0, 1);
                    line += ",";
                    vt_.recordname[i] = text::oemToAnsi(line, sv_.oempage);
                }
                vt_.recordlist += common::fnformat("###", position_.value());
                ++position_;
                break;
            }
            text += line;
        }
        text += "*,";
    }

    common::Services &sv_;
    basic::FileTable &files_;
    VectorTables &vt_;
    Integer position_ = 0;
};

} // namespace

std::string readheadertext(basic::FileTable &files, int number, const std::string &line1) {
    std::string text = line1.size() > 3 ? line1.substr(3) : std::string();
    if (!text.empty() && text.back() == ';') {
        text.pop_back();
        for (int k = 0; k < 9; ++k)
            text += files.lineInput(number);
    }
    return text;
}

std::int16_t fngrafin(common::Services &services, common::Shared &shared, VectorTables &vectors,
                      const ThinningSettings &settings, const std::string &filename, std::int16_t first,
                      std::int16_t last) {
    try {
        shared.currentfile = filename;
        services.files.close(vectorfile);
        services.files.open(vectorfile, shared.currentfile, basic::OpenMode::Input);
        std::int16_t upper = VectorReader(services, vectors).read(settings, first, last);
        services.files.close(vectorfile);
        vectors.loadedfile = filename;
        shared.currentfile.clear();
        return upper;
    } catch (const basic::RuntimeError &e) {
        errhandler(services, shared, e, "vec:fngrafin");
        common::abortsession(services);
    }
}

} // namespace kartino::vecgraphics
