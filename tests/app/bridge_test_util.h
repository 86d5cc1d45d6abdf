#pragma once

// A fresh QML engine with the timeline singleton for each test, and JavaScript run against it.

#include <QPointer>
#include <QQmlEngine>
#include <QtTest>

#include "bridge/timeline_data_manager.h"

struct BridgeFixture
{
    QQmlEngine *engine = nullptr;
    vignetta::bridge::TimelineDataManager *manager = nullptr;

    void setUp()
    {
        engine = new QQmlEngine;
        const int id = qmlTypeId("Vignetta.Scene", 1, 0, "TimelineDataManager");
        QVERIFY(id >= 0);
        manager = engine->singletonInstance<vignetta::bridge::TimelineDataManager *>(id);
        QVERIFY(manager);
        QQmlEngine::setObjectOwnership(manager, QQmlEngine::CppOwnership);
        manager->clearData();
        manager->clearBuffer();
        manager->pushBuffer();
    }

    void tearDown()
    {
        QPointer<vignetta::bridge::TimelineDataManager> alive = manager;
        delete engine;
        delete alive.data(); // unless the engine took it along
        engine = nullptr;
        manager = nullptr;
    }

    QJSValue js(const QString &code) { return engine->evaluate(code); }
    // Evaluates a JavaScript expression with the singleton bound to `tdm`.
    QJSValue call(const QString &body)
    {
        const QJSValue result =
            js("(function(tdm) { return " + body + "; })").call({engine->newQObject(manager)});
        if (result.isError())
            qWarning() << result.toString();
        return result;
    }
};
