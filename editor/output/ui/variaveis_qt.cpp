#include "output/ui/variaveis_qt.h"

#include <QDateTime>
#include <QLocale>

#include "document/ui/texto_qt.h"

namespace mobrix {

DataHora DataHoraAtual() {
    const QDateTime agora = QDateTime::currentDateTime();
    const QDate d = agora.date();
    const QTime t = agora.time();
    const QLocale local = QLocale::system();
    DataHora dh;
    dh.dia = d.day();
    dh.mes = d.month();
    dh.ano = d.year();
    dh.hora = t.hour();
    dh.minuto = t.minute();
    dh.segundo = t.second();
    dh.nomeDiaSemana = ParaCp1252(local.dayName(d.dayOfWeek(), QLocale::LongFormat));
    dh.nomeMes = ParaCp1252(local.monthName(d.month(), QLocale::LongFormat));
    return dh;
}

}  // namespace mobrix
