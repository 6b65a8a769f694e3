#include "generator/font_tags.h"
#include "generator/form_writer.h"

namespace huewright {

namespace {

class FontWriter final : public FormWriter {
  public:
    FontWriter(std::string& out, const GradationSettings& s)
        : out_(out), s_(s), characters_(out, s, names_) {}

    void open() override { appendFontOpeningTags(out_, s_, names_); }

    void run(std::string_view characters, ColourValue colour, int size) override {
        characters_.append(characters, colour, size);
    }

    void close() override {
        characters_.flush();
        appendFontClosingTags(out_, s_, names_);
    }

  private:
    std::string& out_;
    const GradationSettings& s_;
    TagNameTable names_;
    CharacterTagWriter characters_;
};

}  // namespace

std::unique_ptr<FormWriter> makeFontWriter(std::string& out, const GradationSettings& s) {
    return std::make_unique<FontWriter>(out, s);
}

}  // namespace huewright
