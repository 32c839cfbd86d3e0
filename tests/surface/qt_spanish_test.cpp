// Qt's own texts come in Spanish once the programs load Qt's translations, whatever the locale.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <memory>

#include "surface/qt_spanish.h"

TEST(QtSpanish, ATextFieldsContextMenuIsInSpanishAndNumbersKeepTheLocale) {
    const QString decimal = QLocale().decimalPoint();
    ASSERT_TRUE(surface::LoadQtSpanish());
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator()) texts << a->text().section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(texts, QStringList({"&Deshacer", "&Rehacer", "Cor&tar", "&Copiar", "&Pegar", "Borrar",
                                  "Seleccionar todo"}));
    EXPECT_EQ(QLocale().decimalPoint(), decimal);
}
