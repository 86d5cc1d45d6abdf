#include "bridge/json_qt.h"

#include <cmath>

#include <QDateTime>
#include <QJSEngine>
#include <QJSValueIterator>
#include <QVariantList>
#include <QVariantMap>

namespace vignetta::bridge {

namespace {

constexpr double kMaxSafeInteger = 9007199254740992.0; // 2^53
constexpr int kMaxDepth = json::kMaxNestingDepth;

Json fromNumber(double d)
{
    if (!std::isfinite(d))
        return nullptr; // as JSON.stringify writes NaN and infinities
    if (std::trunc(d) == d && std::fabs(d) <= kMaxSafeInteger && !(d == 0 && std::signbit(d)))
        return static_cast<std::int64_t>(d);
    return d;
}

QJSValue toJS(QJSEngine &engine, const Json &value, int depth)
{
    if (depth > kMaxDepth)
        return QJSValue(QJSValue::NullValue);
    switch (value.type()) {
    case Json::value_t::boolean:
        return QJSValue(value.get<bool>());
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
        return QJSValue(value.get<double>());
    case Json::value_t::string:
        return QJSValue(QString::fromStdString(value.get_ref<const std::string &>()));
    case Json::value_t::array: {
        QJSValue array = engine.newArray(static_cast<uint>(value.size()));
        quint32 i = 0;
        for (const auto &item : value)
            array.setProperty(i++, toJS(engine, item, depth + 1));
        return array;
    }
    case Json::value_t::object: {
        QJSValue object = engine.newObject();
        for (const auto &item : value.items())
            object.setProperty(QString::fromStdString(item.key()),
                               toJS(engine, item.value(), depth + 1));
        return object;
    }
    default:
        return QJSValue(QJSValue::NullValue);
    }
}

QVariant toVar(const Json &value, int depth)
{
    if (depth > kMaxDepth)
        return QVariant::fromValue(nullptr);
    switch (value.type()) {
    case Json::value_t::boolean:
        return value.get<bool>();
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float: {
        const double d = value.get<double>();
        if (std::trunc(d) == d && std::fabs(d) < 2147483648.0)
            return static_cast<int>(d);
        return d;
    }
    case Json::value_t::string:
        return QString::fromStdString(value.get_ref<const std::string &>());
    case Json::value_t::array: {
        QVariantList list;
        list.reserve(static_cast<int>(value.size()));
        for (const auto &item : value)
            list.append(toVar(item, depth + 1));
        return list;
    }
    case Json::value_t::object: {
        QVariantMap map;
        for (const auto &item : value.items())
            map.insert(QString::fromStdString(item.key()), toVar(item.value(), depth + 1));
        return map;
    }
    default:
        return QVariant::fromValue(nullptr);
    }
}

Json fromJS(const QJSValue &value, int depth);
Json fromVar(const QVariant &value, int depth);

Json fromJS(const QJSValue &value, int depth)
{
    if (depth > kMaxDepth)
        return nullptr;
    if (value.isBool())
        return value.toBool();
    if (value.isNumber())
        return fromNumber(value.toNumber());
    if (value.isString())
        return value.toString().toStdString();
    // Lists that QML reads from C++ (a QStringList property, a list returned by an invokable)
    // are array-like wrappers rather than arrays; JSON.stringify writes them as arrays, and so
    // must we. Only objects with a numeric length are asked what they wrap.
    const bool sequence = !value.isArray() && value.isObject() && !value.isQObject() &&
                          value.property(QStringLiteral("length")).isNumber() &&
                          value.toVariant().canConvert<QVariantList>();
    if (value.isArray() || sequence) {
        Json array = Json::array();
        const quint32 length = value.property(QStringLiteral("length")).toUInt();
        for (quint32 i = 0; i < length; ++i)
            array.push_back(fromJS(value.property(i), depth + 1));
        return array;
    }
    if (value.isQObject() || value.isCallable() || value.isError())
        return nullptr;
    if (value.isVariant())
        return fromVar(value.toVariant(), depth + 1);
    if (value.isDate())
        return value.toDateTime().toUTC().toString(Qt::ISODateWithMs).toStdString();
    if (value.isObject()) {
        Json object = Json::object();
        QJSValueIterator it(value);
        while (it.hasNext()) {
            it.next();
            const QJSValue v = it.value();
            if (v.isUndefined() || v.isCallable())
                continue; // JSON.stringify leaves these keys out
            object[it.name().toStdString()] = fromJS(v, depth + 1);
        }
        return object;
    }
    return nullptr;
}

Json fromVar(const QVariant &value, int depth)
{
    if (depth > kMaxDepth || !value.isValid() || value.isNull())
        return nullptr;
    if (value.userType() == qMetaTypeId<QJSValue>())
        return fromJS(value.value<QJSValue>(), depth);
    switch (static_cast<int>(value.type())) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Long:
    case QMetaType::Short:
        return value.toLongLong();
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        return value.toULongLong();
    case QMetaType::Double:
    case QMetaType::Float:
        return fromNumber(value.toDouble());
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return value.toString().toStdString();
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        Json array = Json::array();
        for (const QVariant &item : value.toList())
            array.push_back(fromVar(item, depth + 1));
        return array;
    }
    case QMetaType::QVariantMap: {
        Json object = Json::object();
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            object[it.key().toStdString()] = fromVar(it.value(), depth + 1);
        return object;
    }
    default:
        if (value.canConvert<double>() && value.userType() != QMetaType::QObjectStar)
            return fromNumber(value.toDouble());
        return nullptr;
    }
}

} // namespace

QJSValue toJSValue(QJSEngine &engine, const Json &value)
{
    return toJS(engine, value, 0);
}

QVariant toVariant(const Json &value)
{
    return toVar(value, 0);
}

Json fromJSValue(const QJSValue &value)
{
    return fromJS(value, 0);
}

Json fromVariant(const QVariant &value)
{
    return fromVar(value, 0);
}

} // namespace vignetta::bridge
