#include "cli/CommandLine.h"

#include <algorithm>

namespace {

// The flag every command line takes; the help text lists it with the program's own options, so
// it carries no text of its own.
const CliOption kHelpOption = {"help", nullptr, nullptr, nullptr, 'h'};

// The parser sees each byte of an argument as one character (Latin-1): the names of the options
// are ASCII, and operands and values go back to the very bytes given. A file name that is not
// UTF-8 thus reaches the file functions unchanged, where decoding it as UTF-8 would replace its
// stray bytes.
QString FromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

QString ShortName(char name) {
    return QString(QLatin1Char(name));
}

// The option name the parser reads from an argument that starts with a dash: the word after one
// or two dashes, without "=VALUE".
QString OptionName(const QString& arg) {
    return arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
}

// The first argument before "--" that starts with a dash and satisfies `names`: the parser
// reports an option by its bare name, the messages show the argument as given.
template <typename Predicate> std::string ArgumentNaming(const QStringList& args, Predicate names) {
    const auto end = std::find(args.begin(), args.end(), QLatin1String("--"));
    const auto found = std::find_if(args.begin(), end, [&](const QString& arg) {
        return arg.startsWith(QLatin1Char('-')) && names(arg);
    });
    return found != end ? ToBytes(*found) : std::string();
}

} // namespace

bool AsksForHelp(const std::vector<std::string>& args) {
    const std::string longForm = std::string("--") + kHelpOption.name;
    const std::string shortForm = {'-', kHelpOption.shortName};
    for (const std::string& arg : args) {
        if (arg == "--")
            return false;
        if (arg == longForm || arg == shortForm)
            return true;
    }
    return false;
}

CCommandLine::CCommandLine(const std::vector<CliOption>& accepted) : m_accepted(accepted) {
    m_accepted.push_back(kHelpOption);
    // "-abc" is the option "abc" (unknown to every command), never "-a -b -c".
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const CliOption& option : m_accepted) {
        QStringList names = {Name(option.name)};
        if (option.shortName != 0)
            names.append(ShortName(option.shortName));
        const QString valueName = option.valueName != nullptr ? Name(option.valueName) : QString();
        m_parser.addOption(QCommandLineOption(names, QString(), valueName));
    }
}

bool CCommandLine::Parse(const std::vector<std::string>& args, std::string& error) {
    QStringList list = {QString()}; // the parser passes over the first: the program's name
    for (const std::string& arg : args)
        list.append(FromBytes(arg));
    const bool parsed = m_parser.parse(list);
    const QStringList unknown = m_parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        error = "不明なオプションです / unknown option: " +
                ArgumentNaming(
                    list, [&](const QString& arg) { return OptionName(arg) == unknown.first(); });
        return false;
    }
    // An option that takes a value and comes last without it is counted without a value; the
    // parser stops there.
    for (const CliOption& option : m_accepted) {
        if (option.valueName != nullptr &&
            m_parser.values(Name(option.name)).size() < TimesGiven(option)) {
            error = "オプションに値がありません / option needs a value: " + ToBytes(list.last());
            return false;
        }
    }
    // The one failure of the parser left: a flag given "=VALUE".
    if (!parsed) {
        error = "値をとらないオプションです / option takes no value: " +
                ArgumentNaming(list, [&](const QString& arg) {
                    const CliOption* option = Find(OptionName(arg));
                    return arg.contains(QLatin1Char('=')) && option != nullptr &&
                           option->valueName == nullptr;
                });
        return false;
    }
    for (const CliOption& option : m_accepted) {
        if (TimesGiven(option) > 1) {
            error =
                std::string("オプションが重複しています / option given twice: --") + option.name;
            return false;
        }
    }
    m_operands.clear();
    for (const QString& operand : m_parser.positionalArguments())
        m_operands.push_back(ToBytes(operand));
    return true;
}

std::optional<std::string> CCommandLine::Value(const char* name) const {
    if (!m_parser.isSet(Name(name)))
        return std::nullopt;
    return ToBytes(m_parser.value(Name(name)));
}

bool CCommandLine::HelpAsked() const {
    return m_parser.isSet(Name(kHelpOption.name));
}

const CliOption* CCommandLine::Find(const QString& name) const {
    const auto found =
        std::find_if(m_accepted.begin(), m_accepted.end(), [&](const CliOption& option) {
            return name == Name(option.name) ||
                   (option.shortName != 0 && name == ShortName(option.shortName));
        });
    return found != m_accepted.end() ? &*found : nullptr;
}

qsizetype CCommandLine::TimesGiven(const CliOption& option) const {
    const QStringList found = m_parser.optionNames();
    return std::count_if(found.begin(), found.end(),
                         [&](const QString& name) { return Find(name) == &option; });
}
