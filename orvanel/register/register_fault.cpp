// The Spanish messages of the register's faults.
#include "orvanel/register/register_fault.h"

namespace orvanel::subjects {

RegisterBusy::RegisterBusy() : RegisterFault(kBusyMessage) {}

std::string NotARegisterMessage(const std::string& path) {
    return "El archivo " + path + " no es un registro de sujetos; se deja como está";
}

std::string DamagedMessage(const std::string& path) {
    return "El registro de sujetos " + path + " está dañado; se deja como está para poder recuperarlo";
}

std::string NewerMessage(const std::string& path) {
    return "El registro de sujetos " + path + " es de una versión más nueva del programa; se deja como está";
}

std::string CannotOpenMessage(const std::string& path) {
    return "No se puede abrir el registro de sujetos " + path;
}

std::string CannotCreateMessage(const std::string& path) {
    return "No se puede crear el registro de sujetos " + path;
}

std::string ReadOnlyMessage(const std::string& path) {
    return "El registro de sujetos " + path + " solo se puede leer; no se ha cambiado nada";
}

std::string NameExistsMessage(const std::string& name) {
    return "Ya existe un sujeto llamado «" + name + "»";
}

std::string NoSuchSubjectMessage(const std::string& name) {
    return "No hay ningún sujeto llamado «" + name + "»";
}

}  // namespace orvanel::subjects
