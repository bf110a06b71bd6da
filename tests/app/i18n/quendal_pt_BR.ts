<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>LanguageManagerTest</name>
    <message>
        <source>Hello</source>
        <translation>Olá</translation>
    </message>
</context>
</TS>
