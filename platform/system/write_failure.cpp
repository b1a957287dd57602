#include "platform/system/write_failure.h"

#include "platform/formats/content_file.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tamiro {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::ContentWriter)
};

QString userName() {
    const passwd* user = ::getpwuid(::geteuid());
    //: Stands for the teacher's login in a command that an administrator types.
    return user ? QString::fromLocal8Bit(user->pw_name) : Text::tr("USUARIO");
}

// Whether the user belongs to the group in the group list, though not in
// this session: joining counts from the next login.
bool joinedSinceLogin(gid_t wanted) {
    const group* entry = ::getgrgid(wanted);
    const passwd* user = ::getpwuid(::geteuid());
    if (!entry || !user || user->pw_gid == wanted)
        return false;
    bool listed = false;
    for (char** member = entry->gr_mem; member && *member; ++member)
        listed = listed || std::strcmp(*member, user->pw_name) == 0;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(size_t(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, groups.data()) < 0)
        return false;
    for (gid_t held : groups)
        if (held == wanted)
            return false;
    return listed;
}

QString notAllowed(const QString& folder) {
    struct stat info {};
    const bool known = ::stat(encodePath(folder).constData(), &info) == 0;
    if (!known || !(info.st_mode & S_IWGRP)) {
        const passwd* owner = known ? ::getpwuid(info.st_uid) : nullptr;
        if (!owner)
            return Text::tr("no tiene permiso para escribir en la carpeta «%1»: pida a un "
                            "administrador que le dé permiso")
                .arg(folder);
        //: %1 is the folder, %2 the login of the only one who may change it.
        return Text::tr("no tiene permiso para escribir en la carpeta «%1», que sólo puede "
                        "cambiar «%2»: pida a un administrador que le dé permiso")
            .arg(folder, QString::fromLocal8Bit(owner->pw_name));
    }
    const group* entry = ::getgrgid(info.st_gid);
    const QString name =
        entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(info.st_gid);
    if (joinedSinceLogin(info.st_gid))
        return Text::tr(
                   "usted ya está en el grupo «%1», que puede escribir en la carpeta «%2», pero "
                   "eso vale desde la próxima vez que entre: cierre la sesión, vuelva a entrar y "
                   "vuelva a intentarlo")
            .arg(name, folder);
    //: %1 is the folder, %2 its group, %3 the teacher's login: «sudo adduser %3 %2» is a
    //: command, typed as it stands.
    return Text::tr(
               "no tiene permiso para escribir en la carpeta «%1», que es del grupo «%2»: un "
               "administrador puede añadirle al grupo con «sudo adduser %3 %2», y vale desde la "
               "próxima vez que entre")
        .arg(folder, name, userName());
}

} // namespace

PlatformError writeFailure(int error, const QString& folder) {
    switch (error) {
    case EROFS:
        return PlatformError(
            Text::tr(
                "la carpeta «%1» es de sólo lectura (por ejemplo, una carpeta compartida del "
                "servidor que este ordenador sólo puede leer): añada los dibujos en el ordenador "
                "donde se guarda")
                .arg(folder));
    case EACCES:
    case EPERM:
        return PlatformError(notAllowed(folder));
    case ENOSPC:
        return PlatformError(
            Text::tr("el disco donde está la carpeta «%1» está lleno: haga sitio "
                     "(vacíe la papelera o borre lo que ya no necesite) y vuelva a "
                     "intentarlo")
                .arg(folder));
    case EDQUOT:
        return PlatformError(
            Text::tr("ha llenado el espacio que le toca en el disco donde está la "
                     "carpeta «%1»: haga sitio (vacíe la papelera o borre lo que ya no "
                     "necesite) o pida más a un administrador, y vuelva a intentarlo")
                .arg(folder));
    case ENOENT:
    case ENOTDIR:
        return PlatformError(
            Text::tr(
                "la carpeta «%1» ya no está (¿se ha desconectado el disco o la red?): compruebe "
                "que se puede abrir y vuelva a intentarlo")
                .arg(folder));
    default:
        return PlatformError(
            //: %1 is the folder, %2 the system's number for what failed, %3 its own words.
            Text::tr("no puedo cambiar la carpeta «%1» (error del sistema %2: %3): "
                     "vuelva a intentarlo, y si vuelve a pasar, avise a un "
                     "administrador")
                .arg(folder)
                .arg(error)
                .arg(QString::fromLocal8Bit(std::strerror(error))));
    }
}

} // namespace tamiro
