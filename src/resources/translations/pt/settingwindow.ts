<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
    <context>
        <name>SettingWindow</name>
        <message>
            <source>Settings</source>
            <translation>Configurações</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Linguagem</translation>
        </message>
        <message>
            <source>Email</source>
            <translation>Email</translation>
        </message>
        <message>
            <source>Google API key</source>
            <translation>Chave de API do google</translation>
        </message>
        <message>
            <source>Distance matrix fetching</source>
            <translation>Coleta de matriz de distancia</translation>
        </message>
        <message>
            <source>OSRM (free)</source>
            <translation>OSRM (sem custos)</translation>
        </message>
        <message>
            <source>OSRM-Google (may be payed)</source>
            <translation>OSRM-Google (pode haver custos)</translation>
        </message>
        <message>
            <source>Google (payed)</source>
            <translation>Google (pago)</translation>
        </message>
        <message>
            <source>Lat/long fetching</source>
            <translation>Busca de lat/long</translation>
        </message>
        <message>
            <source>OSRM relaxed (free)</source>
            <translation>OSRM relaxado</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;It may return an approximate lat/long (more probable to return something)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Pode retornar um valor 'aproximado' de lat/lon (mais provável que encontre algo)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>OSRM exact (free)</source>
            <translation>OSRM exato (sem custo)</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;It only return something if it is an exact location&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Somente retorna um valor se for exaton&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>OSM and Google (may be payed)</source>
            <translation>OSRM e Google (pode haver custos)</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;First tries to find by OSRM exact, if that fails, try on google API (that would be charged)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;First tries to find by OSRM exact, if that fails, try on google API (that would be charged)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Search using only the google API, each call is charged&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Busca usando API do google, cada chamada é cobrada&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Map display</source>
            <translation>Visualização de rotas</translation>
        </message>
        <message>
            <source>Google free</source>
            <translation>Google (sem custo)</translation>
        </message>
        <message>
            <source>Google payed</source>
            <translation>Google (pago)</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>Preferências</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Save all clients from the optimization grid on the dabase, after a solution is found&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Salva todos os clientes da tabela de entrada, após o término da otimização&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Automatic client save</source>
            <translation>Salvar clientes pós otimização</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Não</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Sim</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Before searching for lat/long values, search on the database. If the address already exists, uses the lat/long from it.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Antes de buscar as lat/long pelas APIs, verifica se o endereço não existe no banco de dados. Se sim, usa as lat/long do próprio banco.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Lat/long database search</source>
            <translation>Busca lat/long banco de dados</translation>
        </message>
        <message>
            <source>Default values (used in automatic writing)</source>
            <translation>Valores padrão (usados no preenchimento automático)</translation>
        </message>
        <message>
            <source>City</source>
            <translation>Cidade</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Manual</translation>
        </message>
        <message>
            <source>Auto.</source>
            <translation>Auto.</translation>
        </message>
        <message>
            <source>State</source>
            <translation>Estado</translation>
        </message>
        <message>
            <source>Country</source>
            <translation>País</translation>
        </message>
        <message>
            <source>Service time</source>
            <translation>Tempo de serviço</translation>
        </message>
        <message>
            <source>Time windows</source>
            <translation>Janela de tempo</translation>
        </message>
        <message>
            <source>Demand</source>
            <translation>Demanda</translation>
        </message>
        <message>
            <source>Method to search the distances and times between clinets.
 Using OSRM, data will be free of charge, but less accurate. 
Using google API provides higher accuracy, but it is payed</source>
            <translation>Método para buscar as distancias e tempos enre clientes.
Usando dados do OSRM, os dados naõ tem custo, porém são menos precisos. 
Usando a API do google existe uma maior acurácia, porém existem custos</translation>
        </message>
        <message>
            <source>These information is used to automatically fill the client input grid on the main window</source>
            <translation>Estas informações são utilizadas para o preenchimento automático, no grid de clientes da janela principal</translation>
        </message>
        <message>
            <source>Service time must be an integer number</source>
            <translation>Tempo de serviço precisa ser um número inteiro</translation>
        </message>
        <message>
            <source>Negative service time</source>
            <translation>Tempo de serviço negativo</translation>
        </message>
        <message>
            <source>Demand must be an integer number</source>
            <translation>Demanda precisa ser um número inteiro</translation>
        </message>
        <message>
            <source>Negative demand value</source>
            <translation>Valor de demanda negativo</translation>
        </message>
        <message>
            <source>Negative time window value</source>
            <translation>Janela de tempo negativa</translation>
        </message>
        <message>
            <source>Invalid data</source>
            <translation>Dados inválidos</translation>
        </message>
        <message>
            <source>Database info</source>
            <translation>Informação do banco de dados</translation>
        </message>
        <message>
            <source>These settings could not be stored in the database: %1</source>
            <translation>Não foi possível gravar estas configurações no banco de dados: %1</translation>
        </message>
        <message>
            <source>The language will be updated when the application is restarted</source>
            <translation>A língua será atualizada assim que o programa for reiniciado</translation>
        </message>
    </context>
</TS>
