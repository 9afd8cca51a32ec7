#include "webcommands.h"

namespace web {

WebCommands::WebCommands(platform::Desktop &desktop, const shell::modulePlugo &module)
    : desktop_(desktop), module_(module)
{
}

bool WebCommands::senasteovn(const vocabulary::Ovning &, const QString &, const QString &)
{
    return true;
}

void WebCommands::sparaweb(QWidget *, const vocabulary::Ovning &, const QString &) {}

void WebCommands::oppnaweb(QWidget *) {}

void WebCommands::ovning(QWidget *) {}

}  // namespace web
